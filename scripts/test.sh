#!/usr/bin/env bash
# Builds Orbanil with warnings as errors and runs every test. Works from any folder.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ORBANIL_BUILD_DIR:-$root/build-test}"

"$root/scripts/deps.sh"
# A German locale lets the tests prove that numbers do not follow the process locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
    if [[ $(id -u) -eq 0 ]]; then
        sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen && locale-gen >/dev/null || true
    fi
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBANIL_WERROR=ON
cmake --build "$build" --parallel "$(nproc)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
