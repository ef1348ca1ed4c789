#!/usr/bin/env bash
# Builds Orbanil and runs every test: the format check, the sanitizer build (clang with
# AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer) with the fuzzers for a
# bounded time, the standard C++ half for Windows under Wine, and last the ordinary build
# (gcc, warnings as errors). Works from any folder. The builds are the presets of
# CMakePresets.json; ORBANIL_BUILD_DIR names the ordinary build folder, the others sit beside
# it. ORBANIL_QUICK_TEST=1 runs the ordinary build alone.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ORBANIL_BUILD_DIR:-$root/build-test}"
jobs="$(nproc)"

# The sanitizer build and the fuzzers read compressed shapes through zlib too.
"$root/scripts/setup.sh" clang libclang-rt-14-dev llvm clang-format-15 zlib1g-dev

step() { printf '\n=== %s\n' "$*"; }

# Configures, builds and tests one preset in the given folder.
preset() {
    local name="$1" dir="$2"
    cmake --preset "$name" -S "$root" -B "$dir" >/dev/null
    cmake --build "$dir" --parallel "$jobs"
    ctest --test-dir "$dir" --output-on-failure --parallel "$jobs"
}

if [[ ${ORBANIL_QUICK_TEST:-0} != 1 ]]; then
    step "Format"
    "$root/scripts/check-format.sh"

    step "Sanitizers: clang with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer"
    # Any report ends the test program with an error, so ctest counts it as a failure.
    ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1" \
        UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
        preset sanitize "$build-sanitize"

    step "Fuzzing, ${FUZZ_SECONDS:-30} s a target"
    "$root/scripts/fuzz.sh" "$build-sanitize"

    step "Windows: cross-compiled with MinGW-w64, run under Wine"
    ORBANIL_WINDOWS_BUILD_DIR="$build-windows" "$root/scripts/test-windows.sh"
fi

step "The program and its tests: gcc, warnings as errors"
preset gcc "$build"
