#!/usr/bin/env bash
# Builds Orbanil, installs it with its help file into one folder and starts it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ORBANIL_BUILD_DIR:-$root/build}"
prefix="${ORBANIL_PREFIX:-$HOME/orbanil}"

"$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORBANIL_BUILD_TESTS=OFF
cmake --build "$build" --parallel "$(nproc)"
cmake --install "$build" --prefix "$prefix"
exec "$prefix/orbanil"
