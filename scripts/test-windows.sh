#!/usr/bin/env bash
# Builds Orbanil for 64-bit Windows (the windows preset: MinGW-w64 and the Qt that
# scripts/qt-windows.sh builds once and caches) and runs every test under Wine through ctest,
# the window tests on the real windows platform of an Xvfb display started here. Works from
# any folder, as root and without a display of its own.
# ORBANIL_WINDOWS_BUILD_DIR names the build folder; its Wine prefix is kept there, so only the
# first run pays for Wine's start-up.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ORBANIL_WINDOWS_BUILD_DIR:-$root/build-windows}"

"$root/scripts/setup.sh" g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64 fonts-wine googletest \
    xvfb openbox
ORBANIL_QT_WINDOWS_DIR="$("$root/scripts/qt-windows.sh" | tail -n 1)"
export ORBANIL_QT_WINDOWS_DIR

cmake --preset windows -S "$root" -B "$build" >/dev/null
cmake --build "$build" --parallel "$(nproc)"

wine="$(command -v wine64 || echo /usr/lib/wine/wine64)"
wineserver="$(command -v wineserver || echo /usr/lib/wine/wineserver)"
export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine refuses a prefix that another user made.
if [[ -e $WINEPREFIX && $(stat -c %u "$WINEPREFIX") != $(id -u) ]]; then
    rm -rf "$WINEPREFIX"
fi

# A display of our own, on the first free number, for as long as the tests run, with a window
# manager: without one Wine's windows wait seconds for an activation that never comes.
exec {displayfd}< <(exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
xvfb_pid=$!
read -r -t 30 display <&"$displayfd" || { echo "test-windows: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"
unset WAYLAND_DISPLAY
openbox </dev/null >/dev/null 2>&1 &
openbox_pid=$!
cleanup() {
    "$wineserver" -k 2>/dev/null || true
    kill "$openbox_pid" "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# One Wine server and Wine's own processes for the whole run, started here without a hold on
# any test's output: ctest would otherwise wait for whatever a test left running.
mkdir -p "$WINEPREFIX"
"$wineserver" -p </dev/null >/dev/null 2>&1
"$wine" wineboot --init </dev/null >/dev/null 2>&1
# Debian's Wine offers its own Tahoma only from the prefix's font folder; without it Qt draws
# every window in a serif fallback.
cp -u /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null ||
    echo "test-windows: no Tahoma from Wine (package fonts-wine); windows use a fallback font"

ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
