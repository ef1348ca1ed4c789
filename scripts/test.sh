#!/usr/bin/env bash
# Builds Orbanil and runs every test: under AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer (clang) with the fuzzers for a bounded time, the standard C++ half for Windows
# under Wine, and last the ordinary build (gcc, warnings as errors). Works from any folder.
# ORBANIL_BUILD_DIR names the ordinary build folder; the others sit beside it.
# ORBANIL_QUICK_TEST=1 runs the ordinary build alone.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ORBANIL_BUILD_DIR:-$root/build-test}"
jobs="$(nproc)"

"$root/scripts/deps.sh" clang libclang-rt-14-dev llvm
# A German locale lets the tests prove that numbers do not follow the process locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
    if [[ $(id -u) -eq 0 ]]; then
        sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen && locale-gen >/dev/null || true
    fi
fi

step() { printf '\n=== %s\n' "$*"; }

run_ctest() {
    (cd "$1" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$jobs")
}

if [[ ${ORBANIL_QUICK_TEST:-0} != 1 ]]; then
    sanitized="$build-sanitize"
    step "Sanitizers: clang with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer"
    CXX=clang++ cmake -S "$root" -B "$sanitized" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DORBANIL_WERROR=ON -DORBANIL_SANITIZE=ON -DORBANIL_BUILD_FUZZ=ON >/dev/null
    cmake --build "$sanitized" --parallel "$jobs"
    # Any report ends the test program with an error, so ctest counts it as a failure.
    ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1" \
        UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
        run_ctest "$sanitized"

    step "Fuzzing, ${FUZZ_SECONDS:-30} s a target"
    "$root/scripts/fuzz.sh" "$sanitized"

    step "Windows: core/ and files/ cross-compiled with MinGW-w64, run under Wine"
    ORBANIL_WINDOWS_BUILD_DIR="$build-windows" "$root/scripts/test-windows.sh"
fi

step "The program and its tests: gcc, warnings as errors"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBANIL_WERROR=ON >/dev/null
cmake --build "$build" --parallel "$jobs"
run_ctest "$build"
