#!/usr/bin/env bash
# Plays a long run of the seeded random user on the real windows, offscreen.
# Usage: scripts/soak.sh STEPS [SEED]. Builds the soak program alone (the gcc preset) in its own
# folder, build-soak beside the sources (ORBANIL_SOAK_BUILD_DIR changes it); works from any
# folder. Prints the seed first (a new one when none is given), a progress line every 10 %, the
# memory the program holds at the start and at the end, and the steps per second. Exits
# non-zero when a rule breaks, after the step and the last actions; the same STEPS and SEED
# play the same actions again.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [[ $# -lt 1 || $# -gt 2 || ! $1 =~ ^[1-9][0-9]*$ || ! ${2:-1} =~ ^[0-9]+$ ]]; then
    echo "usage: $0 STEPS [SEED]   (whole numbers; STEPS above zero)" >&2
    exit 2
fi
steps="$1"
seed="${2:-$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')}"
build="${ORBANIL_SOAK_BUILD_DIR:-$root/build-soak}"
echo "soak: seed $seed, $steps steps"

"$root/scripts/setup.sh"
cmake --preset gcc -S "$root" -B "$build" >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target soak_tests >/dev/null

# Qt Test stops a test function after five minutes unless told otherwise: a second a step.
QTEST_FUNCTION_TIMEOUT="$((steps * 1000 + 600000))" \
    ORBANIL_SOAK_SEED="$seed" ORBANIL_SOAK_STEPS="$steps" QT_QPA_PLATFORM=offscreen \
    "$build/tests/ui/soak_tests" randomUserBreaksNoRule
