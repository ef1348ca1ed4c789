#!/usr/bin/env bash
# Builds Orbanil, installs it with its help file into one folder and starts it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ORBANIL_BUILD_DIR:-$root/build}"
prefix="${ORBANIL_PREFIX:-$HOME/orbanil}"

"$root/scripts/setup.sh"
cmake --preset release -S "$root" -B "$build"
cmake --build "$build" --parallel "$(nproc)"
cmake --install "$build" --prefix "$prefix"
exec "$prefix/orbanil"
