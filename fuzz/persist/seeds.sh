#!/usr/bin/env bash
# Seeds for the settings fuzz target: the settings files of the hostile-files
# test (damaged, malformed and huge ones), written by that test's program of
# the main build beside the fuzz build.
# Usage: seeds.sh TARGET SEED_FOLDER FUZZ_BUILD_FOLDER
set -euo pipefail
target=$1
out=$2
build=$3
[ "$target" = fuzz-settings ] || exit 0
tool="${build%/}"
tool="${tool%-fuzz}/test_hostile"
if [ ! -x "$tool" ]; then
    echo "seeds.sh: $tool is missing; the settings seeds are only those in corpus/" >&2
    exit 0
fi
"$tool" --seeds "$out"
