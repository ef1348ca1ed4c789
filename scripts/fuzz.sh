#!/usr/bin/env bash
# Runs every fuzzer of a build made with -DORBANIL_BUILD_FUZZ=ON for a bounded time, each on a
# scratch copy of its seed corpus, and fails on any crash or sanitizer report.
# Usage: scripts/fuzz.sh BUILD_DIR [SECONDS]   (SECONDS per target: argument, else
# FUZZ_SECONDS, else 30). Inputs that break a fuzzer are kept in BUILD_DIR/fuzz-findings/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [[ $# -lt 1 || $# -gt 2 ]]; then
    echo "usage: $0 BUILD_DIR [SECONDS]" >&2
    exit 2
fi
build="$(cd "$1" && pwd)"
seconds="${2:-${FUZZ_SECONDS:-30}}"
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
    echo "fuzz: SECONDS must be a whole number above zero, not '$seconds'" >&2
    exit 2
fi

targets=()
for seeds in "$root"/fuzz/corpus/*/; do
    targets+=("$(basename "$seeds")")
done

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
# A report stops the run; leaks count as failures where LeakSanitizer works.
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"

passed=0
failed=0
for target in "${targets[@]}"; do
    exe="$build/fuzz/$target"
    if [[ ! -x $exe ]]; then
        echo "$target: FAILED, $exe not built (configure with CXX=clang++ -DORBANIL_BUILD_FUZZ=ON)"
        failed=$((failed + 1))
        continue
    fi
    corpus="$scratch/$target"
    findings="$build/fuzz-findings/$target"
    mkdir -p "$corpus" "$findings"
    cp -R "$root/fuzz/corpus/$target/." "$corpus/"
    log="$scratch/$target.log"
    status=0
    (cd "$scratch" && "$exe" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$corpus") >"$log" 2>&1 || status=$?

    executions="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
    coverage="$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1 || true)"
    inputs="$(find "$corpus" -type f | wc -l)"
    if [[ $status -eq 0 ]] && ! grep -qE 'runtime error:|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)' "$log"; then
        echo "$target: passed, ${executions:-?} executions in ${seconds} s, ${coverage:-cov: ? ft: ?}, corpus $inputs inputs"
        passed=$((passed + 1))
    else
        cp "$log" "$findings/"
        echo "$target: FAILED (exit $status), ${executions:-?} executions, ${coverage:-cov: ? ft: ?}; input and log in $findings/"
        grep -E 'property broken|runtime error:|ERROR:|SUMMARY:' "$log" | head -n 5 | sed 's/^/    /'
        failed=$((failed + 1))
    fi
done

echo "fuzz: $passed passed, $failed failed"
[[ $failed -eq 0 && $passed -gt 0 ]]
