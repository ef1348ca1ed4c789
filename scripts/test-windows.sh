#!/usr/bin/env bash
# Cross-compiles the standard C++ half (core/, files/) and its tests for 64-bit Windows with
# MinGW-w64 and runs every test program under Wine. Works from any folder, as root, without a
# display. Ends with one line "windows: N passed, N failed".
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ORBANIL_WINDOWS_BUILD_DIR:-$root/build-windows}"

"$root/scripts/deps.sh" g++-mingw-w64-x86-64-posix wine64 googletest

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBANIL_BUILD_UI=OFF -DORBANIL_WERROR=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"

# Debian's wine64 package puts its programs in /usr/lib/wine; the wine package links them.
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

# A prefix of our own, made by the user who runs the tests (Wine refuses one owned by another);
# kept in the build folder so that later runs skip Wine's slow first start.
export WINEPREFIX="$build/wine-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" # no .NET or Gecko installer prompts
unset DISPLAY WAYLAND_DISPLAY
if [[ -e $WINEPREFIX && $(stat -c %u "$WINEPREFIX") != $(id -u) ]]; then
    rm -rf "$WINEPREFIX"
fi
if [[ ! -f $WINEPREFIX/system.reg ]]; then
    rm -rf "$WINEPREFIX"
    "$wine" wineboot --init >/dev/null 2>&1
fi

passed=0
failed=0
status=0
mapfile -t programs < <(find "$build/tests" -name '*_tests.exe' | sort)
if ((${#programs[@]} == 0)); then
    echo "no test programs found in $build/tests" >&2
    exit 1
fi
for exe in "${programs[@]}"; do
    log="$build/$(basename "$exe" .exe)-wine.log"
    echo "== $(basename "$exe") under Wine"
    rc=0
    # Windows programs end their lines with CR LF; the log keeps plain LF.
    (cd "$(dirname "$exe")" && "$wine" "$exe" --gtest_color=no) 2>&1 | tr -d '\r' >"$log" ||
        rc=$?
    # The summary of each program: totals, and every failed or skipped test by name.
    grep -E '^\[(==========|  PASSED  |  FAILED  |  SKIPPED ) *\]' "$log" || true
    ran=$(sed -nE 's/^\[==========\] ([0-9]+) tests? from .* ran\..*/\1/p' "$log" | tail -1)
    bad=$(sed -nE 's/^\[  FAILED  \] ([0-9]+) tests?, listed below:.*/\1/p' "$log" | tail -1)
    skipped=$(sed -nE 's/^\[  SKIPPED \] ([0-9]+) tests?, listed below:.*/\1/p' "$log" | tail -1)
    if [[ -z $ran ]]; then
        # Crashed or never started: one failure for the program, and its output to see why.
        echo "$(basename "$exe") ended (exit $rc) without a summary:"
        tail -n 20 "$log"
        failed=$((failed + 1))
        status=1
        continue
    fi
    bad=${bad:-0}
    passed=$((passed + ran - bad - ${skipped:-0}))
    failed=$((failed + bad))
    if ((rc != 0 || bad != 0)); then
        grep -E -B2 -A12 'Failure$|^\[  FAILED  \] [A-Za-z]' "$log" | head -n 120 || true
        status=1
    fi
done
# Wine's server would linger for a few seconds after the last program; nothing stays behind.
"$wineserver" -k 2>/dev/null || true
echo "windows: $passed passed, $failed failed"
exit $status
