#!/usr/bin/env bash
# Builds the Windows program and writes the zip a Windows user unpacks and runs:
# dist/orbanil-<version>-windows-x64.zip holding Orbanil/orbanil.exe and Orbanil/Ayuda.txt.
# Builds Qt for Windows first when the cache lacks it (scripts/qt-windows.sh), and runs the
# Windows tests under Wine before packaging (ORBANIL_PACKAGE_SKIP_TESTS=1 leaves them out).
# ORBANIL_PACKAGE_BUILD_DIR names the release build folder.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ORBANIL_PACKAGE_BUILD_DIR:-$root/build-windows-release}"

if [[ ${ORBANIL_PACKAGE_SKIP_TESTS:-0} != 1 ]]; then
    "$root/scripts/test-windows.sh"
fi
ORBANIL_QT_WINDOWS_DIR="$("$root/scripts/qt-windows.sh" | tail -n 1)"
export ORBANIL_QT_WINDOWS_DIR

cmake --preset windows-release -S "$root" -B "$build" >/dev/null
cmake --build "$build" --parallel "$(nproc)"

version="$(sed -nE 's/^project\(orbanil VERSION ([0-9.]+).*/\1/p' "$root/CMakeLists.txt")"
stage="$build/package"
rm -rf "$stage"
cmake --install "$build" --prefix "$stage/Orbanil" --strip >/dev/null
mkdir -p "$root/dist"
zip="$root/dist/orbanil-$version-windows-x64.zip"
rm -f "$zip"
(cd "$stage" && cmake -E tar cf "$zip" --format=zip Orbanil)
echo "$zip: $(stat -c %s "$zip") bytes; orbanil.exe $(stat -c %s "$stage/Orbanil/orbanil.exe") bytes"
