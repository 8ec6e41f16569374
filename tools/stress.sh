#!/usr/bin/env bash
# The whole ctest suite N times over, two tests at a time, while two busy
# loops keep both cores loaded as on a shared CI machine. Each test runs once
# per round: what fails under load is counted, never run again.
#
# Usage: tools/stress.sh BUILD_FOLDER [N]
set -uo pipefail
build=${1:?usage: $0 BUILD_FOLDER [N]}
runs=${2:-5}
[ -f "$build/CTestTestfile.cmake" ] || { echo "stress: no test suite in $build" >&2; exit 2; }

busy=()
stop_busy() {
    [ ${#busy[@]} -eq 0 ] || kill "${busy[@]}" 2> /dev/null
    wait "${busy[@]}" 2> /dev/null
    busy=()
}
trap stop_busy EXIT
for _ in 1 2; do
    ( while :; do :; done ) &
    busy+=($!)
done

logs=$(mktemp -d)
failed_runs=0
failures=()
for run in $(seq 1 "$runs"); do
    log="$logs/run$run.log"
    if (cd "$build" && ctest -j2 --output-on-failure) > "$log" 2>&1; then
        echo "run $run: passed"
    else
        failed_runs=$((failed_runs + 1))
        # ctest's closing list: "  12 - ui (Failed)" and the like.
        mapfile -t names < <(awk '/^The following tests FAILED:/ { on = 1; next }
            on && match($0, /^[[:space:]]*[0-9]+ - [^ ]+ \(/) { print $3 }' "$log")
        echo "run $run: failed: ${names[*]:-(see $build/stress-run$run.log)}"
        for name in "${names[@]}"; do
            failures+=("$run $name")
        done
        cp "$log" "$build/stress-run$run.log"
    fi
done
stop_busy

echo "runs: $runs, failed: $failed_runs"
for f in "${failures[@]}"; do
    run=${f%% *} name=${f#* }
    echo "==== run $run: $name"
    # The failing test's own output, as ctest showed it.
    awk -v t="$name" '
        $0 ~ "Test +#[0-9]+: " t " " { on = 1; print; next }
        on && ($0 ~ "^ *Start +[0-9]+: " || $0 ~ "Test +#[0-9]+: " || $0 ~ "tests passed") { on = 0 }
        on { print }' "$logs/run$run.log"
done
rm -rf "$logs"
[ "$failed_runs" -eq 0 ]
