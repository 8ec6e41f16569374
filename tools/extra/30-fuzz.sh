#!/usr/bin/env bash
# Bounded fuzzing: builds every fuzz target (every program named fuzz-*) with
# clang in a build folder of its own beside the main one, and runs each on a
# seed corpus for a fixed time. Fails when a target reports a crash, a leak,
# undefined behaviour or a timeout.
#
# Usage: tools/extra/30-fuzz.sh MAIN_BUILD_FOLDER
#
# Time per target: a line "fuzz-NAME SECONDS" in fuzz/<area>/fuzz.conf, else
# ZTRN_FUZZ_SECONDS (default 30); ZTRN_FUZZ_SECONDS_ALL overrides both (for
# a quick smoke run). The targets run side by side, one per core
# (ZTRN_FUZZ_JOBS sets how many at once). Seeds: the files in
# fuzz/<area>/corpus/fuzz-NAME/ if there are any, plus whatever
# fuzz/<area>/seeds.sh writes when called as
# "seeds.sh TARGET SEED_FOLDER FUZZ_BUILD_FOLDER".
set -euo pipefail

main_build=${1:?usage: $0 MAIN_BUILD_FOLDER}
root=$(cd "$(dirname "$0")/../.." && pwd)
fuzz_build="${main_build%/}-fuzz"
default_seconds=${ZTRN_FUZZ_SECONDS:-30}

if ! command -v clang++ >/dev/null; then
    echo "30-fuzz: clang++ is missing (tools/install-deps.sh installs it)" >&2
    exit 1
fi

if [ ! -f "$fuzz_build/build.ninja" ]; then
    launcher=()
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    CC=clang CXX=clang++ cmake -S "$root" -B "$fuzz_build" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZTRN_FUZZ=ON "${launcher[@]}" >/dev/null
fi

# Every fuzz-* target, and the media tool that makes the codec's seeds.
all_targets=$(ninja -C "$fuzz_build" -t targets all)
mapfile -t targets < <(sed -n 's/^\(fuzz-[A-Za-z0-9_-]*\): [A-Z]*_EXECUTABLE_LINKER.*/\1/p' <<<"$all_targets" | sort -u)
if [ ${#targets[@]} -eq 0 ]; then
    echo "30-fuzz: no fuzz targets"
    exit 0
fi
extra=()
if grep -q '^ztrn-media:' <<<"$all_targets"; then
    extra+=(ztrn-media)
fi
cmake --build "$fuzz_build" --target "${targets[@]}" "${extra[@]}"

seconds_for() {
    local target=$1 conf line
    if [ -n "${ZTRN_FUZZ_SECONDS_ALL:-}" ]; then
        echo "$ZTRN_FUZZ_SECONDS_ALL"
        return
    fi
    for conf in "$root"/fuzz/*/fuzz.conf; do
        [ -f "$conf" ] || continue
        line=$(awk -v t="$target" '$1 == t { print $2 }' "$conf" | tail -n 1)
        if [ -n "$line" ]; then
            echo "$line"
            return
        fi
    done
    echo "$default_seconds"
}

work="$fuzz_build/fuzz-runs"
# One target per core at a time: each fuzzer runs on one.
jobs=${ZTRN_FUZZ_JOBS:-$(nproc)}

# fuzz_one TARGET: fuzzes it for its time; fails when it found something.
fuzz_one() {
    local target=$1 corpus seeds artifacts seconds area
    corpus="$work/$target/corpus"
    seeds="$work/$target/seeds"
    artifacts="$work/$target/artifacts"
    rm -rf "$seeds" "$artifacts"
    mkdir -p "$corpus" "$seeds" "$artifacts"
    for area in "$root"/fuzz/*/; do
        if [ -d "$area/corpus/$target" ]; then
            cp -r "$area/corpus/$target/." "$seeds/"
        fi
        if [ -f "$area/seeds.sh" ]; then
            bash "$area/seeds.sh" "$target" "$seeds" "$fuzz_build"
        fi
    done
    seconds=$(seconds_for "$target")
    echo "== $target: ${seconds} s on $(find "$seeds" -type f | wc -l) seeds"
    # New inputs go to corpus/, which is kept between runs; the seeds are
    # read only. The log is shown only when something was found.
    if ! "$fuzz_build/$target" "$corpus" "$seeds" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$artifacts/" -print_final_stats=1 \
        >"$work/$target/log" 2>&1; then
        tail -n 60 "$work/$target/log" >&2
        echo "30-fuzz: $target found a fault; the input is in $artifacts" >&2
        return 1
    fi
    echo "$target: $(grep -E '^stat::number_of_executed_units' "$work/$target/log" || true)"
}

# The longest first, so that the cores finish together.
mapfile -t targets < <(for t in "${targets[@]}"; do echo "$(seconds_for "$t") $t"; done |
    sort -rn | cut -d' ' -f2)
declare -A running=()
failed=()
reap() {
    local pid
    wait -n -p pid "${!running[@]}" || failed+=("${running[$pid]}")
    unset "running[$pid]"
}
for target in "${targets[@]}"; do
    while [ ${#running[@]} -ge "$jobs" ]; do
        reap
    done
    fuzz_one "$target" &
    running[$!]=$target
done
while [ ${#running[@]} -gt 0 ]; do
    reap
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "30-fuzz: faults in ${failed[*]}" >&2
    exit 1
fi
echo "30-fuzz: nothing found"
