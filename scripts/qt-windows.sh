#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (static, MinGW-w64) from Debian's own qt6-base source, at the
# version of the installed qt6-base-dev, which serves as the host Qt for moc, rcc and uic.
# The result lands in a cache folder outside the clone and is reused by later runs; it is
# marked complete only at the very end, so an interrupted build is done again, never half used.
# Prints the installed Qt's folder as its last line.
#
# ORBANIL_QT_WINDOWS_DIR  where the built Qt goes (default ~/.cache/orbanil/qt-<version>-...)
# ORBANIL_QT_WINDOWS_WORK where the source and the build tree go while building
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

progress() { printf '[qt-windows %s] %s\n' "$(date +%H:%M:%S)" "$*" >&2; }
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"

"$root/scripts/setup.sh" qt6-base-dev-tools g++-mingw-w64-x86-64-posix dpkg-dev >&2

version="$(dpkg-query -W -f='${source:Version}' qt6-base-dev)"   # e.g. 6.4.2+dfsg-10
upstream="${version%%+*}"
upstream="${upstream%%-*}"                                       # e.g. 6.4.2
compiler="mingw-w64-gcc$(x86_64-w64-mingw32-g++-posix -dumpversion | cut -d. -f1 | cut -d- -f1)-posix"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/orbanil"
prefix="${ORBANIL_QT_WINDOWS_DIR:-$cache/qt-$upstream-$compiler-static}"
work="${ORBANIL_QT_WINDOWS_WORK:-$cache/qt-$upstream-$compiler-work}"
stamp="$prefix/.orbanil-complete"

if [[ -f $stamp && $(cat "$stamp") == "$version" ]]; then
    progress "cached: $prefix"
    echo "$prefix"
    exit 0
fi

started=$SECONDS
progress "step 1 of 4: Debian's source of qt6-base $version"
if ! grep -rhsqE '^[[:space:]]*(Types:.*\bdeb-src\b|deb-src[[:space:]])' \
        /etc/apt/sources.list /etc/apt/sources.list.d/; then
    # The machine's own archives, as source archives: deb822 stanzas and one-line entries.
    progress "enabling source packages from the machine's apt sources"
    derived=""
    for f in /etc/apt/sources.list.d/*.sources; do
        [[ -f $f ]] || continue
        derived+="$(sed -E 's/^Types:.*/Types: deb-src/' "$f")"$'\n\n'
    done
    if [[ -n $derived ]]; then
        printf '%s' "$derived" | $sudo tee /etc/apt/sources.list.d/orbanil-deb-src.sources >/dev/null
    fi
    if [[ -f /etc/apt/sources.list ]] && grep -qE '^[[:space:]]*deb[[:space:]]' /etc/apt/sources.list; then
        sed -nE 's/^[[:space:]]*deb([[:space:]])/deb-src\1/p' /etc/apt/sources.list |
            $sudo tee /etc/apt/sources.list.d/orbanil-deb-src.list >/dev/null
    fi
    $sudo apt-get update -qq
fi
rm -rf "$work"
mkdir -p "$work"
(cd "$work" && apt-get source -qq "qt6-base=$version" >/dev/null 2>"$work/source.log") || {
    cat "$work/source.log" >&2
    exit 1
}
source_dir="$(find "$work" -maxdepth 1 -mindepth 1 -type d -name 'qt6-base-*' | head -n 1)"
[[ -f $source_dir/CMakeLists.txt ]] || { progress "no Qt source in $work"; exit 1; }

progress "step 2 of 4: configuring (about 2 minutes)"
build="$work/build"
# Only what Orbanil needs: Core, Gui, Widgets and Test; the windows and offscreen platform
# plugins and the Windows styles; Qt's own copies of the image, font and regex libraries.
# Debian's source leaves out the tablet header wintab.h, so tablet events are off; OpenGL
# stays at its Windows default (dynamic), which the 6.4 platform plugin needs.
cmake -S "$source_dir" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF \
    -DFEATURE_testlib=ON -DFEATURE_widgets=ON -DFEATURE_gui=ON \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_pdf=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF -DFEATURE_textodfwriter=OFF \
    >"$work/configure.log" 2>&1 || {
    tail -n 60 "$work/configure.log" >&2
    exit 1
}

progress "step 3 of 4: building (about 40 minutes on two cores; a line every 5 %)"
if ! NINJA_STATUS="[%f/%t] " cmake --build "$build" --parallel "$(nproc)" 2>&1 |
    tee "$work/build.log" |
    awk '
        /^\[[0-9]+\/[0-9]+\] / {
            split(substr($1, 2, length($1) - 2), n, "/")
            step = int(n[1] * 20 / n[2])
            if (step > last) { last = step; printf "[qt-windows] built %d of %d steps\n", n[1], n[2]; fflush() }
            next
        }
        /error|Error|FAILED/ { print; fflush() }
    ' >&2; then
    tail -n 40 "$work/build.log" >&2
    exit 1
fi

progress "step 4 of 4: installing into $prefix"
rm -rf "$prefix"
cmake --install "$build" >"$work/install.log" 2>&1 || { tail -n 40 "$work/install.log" >&2; exit 1; }
echo "$version" >"$stamp"
rm -rf "$work"
progress "done in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
echo "$prefix"
