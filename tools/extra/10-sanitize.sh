#!/usr/bin/env bash
# The whole test suite once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer, in a build folder of its own.
set -euo pipefail
main=${1:-build}
build="$main-asan"
if [ ! -f "$build/build.ninja" ]; then
    launcher=()
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    # Assertions on, and -O1 as the sanitizers' makers advise: the suite runs
    # in a third of the time it takes unoptimised.
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
        -DZTRN_SANITIZE=ON "${launcher[@]}"
fi
cmake --build "$build" -j "$(nproc)"
# Leaks are not what this run looks for: Qt keeps a few caches until exit.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Everything runs several times slower here: give each test function time,
# and leave stack traces to the sanitizers, whose own are quicker and
# clearer than a debugger attached to an instrumented process.
export QTEST_FUNCTION_TIMEOUT=1800000 QTEST_DISABLE_STACK_DUMP=1
# The install check looks at the installed files and starts the game once,
# which the end-to-end tests do here more thoroughly.
cd "$build" && ctest --output-on-failure -j "$(nproc)" -E '^(bench|install$)'
