#!/usr/bin/env bash
# Cross-compiles for 64-bit Windows with MinGW-w64 (the windows preset) and runs the tests
# under Wine through ctest, as root and without a display. Works from any folder.
# ORBANIL_WINDOWS_BUILD_DIR names the build folder; its Wine prefix is kept there, so only the
# first run pays for Wine's start-up.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ORBANIL_WINDOWS_BUILD_DIR:-$root/build-windows}"

"$root/scripts/setup.sh" g++-mingw-w64-x86-64-posix wine64 googletest

cmake --preset windows -S "$root" -B "$build" >/dev/null
cmake --build "$build" --parallel "$(nproc)"

# Wine refuses a prefix that another user made; the tests make their own on first use.
prefix="$build/wine-prefix"
if [[ -e $prefix && $(stat -c %u "$prefix") != $(id -u) ]]; then
    rm -rf "$prefix"
fi
unset DISPLAY WAYLAND_DISPLAY
status=0
(cd "$root" && ctest --preset windows --test-dir "$build" --parallel "$(nproc)") || status=$?
# Wine's server would linger for a few seconds after the last program; nothing stays behind.
WINEPREFIX="$prefix" "$(command -v wineserver || echo /usr/lib/wine/wineserver)" -k 2>/dev/null || true
exit $status
