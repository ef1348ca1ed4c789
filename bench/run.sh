#!/usr/bin/env bash
# Builds the benchmarks in Release (build-bench beside the sources) and prints one table.
# Extra arguments go to run.py (--runs N, --idle-runs N, --idle-seconds S).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ORBANIL_BENCH_DIR:-$root/build-bench}"

"$root/scripts/setup.sh" python3 xvfb
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
# The build speaks only when it fails.
if ! { cmake --preset bench -S "$root" -B "$build" && cmake --build "$build" --parallel 2; } > "$log" 2>&1; then
    cat "$log" >&2
    exit 1
fi
python3 "$root/bench/run.py" "$build/bench" "$@"
