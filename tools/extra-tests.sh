#!/usr/bin/env bash
# Test runs beyond the ctest suite of the main build (sanitizer build,
# bounded fuzzing). Each step is a script in tools/extra/, run in name order.
set -euo pipefail
build=${1:-build}
dir=$(dirname "$0")/extra
[ -d "$dir" ] || exit 0
for step in "$dir"/*.sh; do
    [ -e "$step" ] || continue
    echo "== $(basename "$step")"
    bash "$step" "$build"
done
