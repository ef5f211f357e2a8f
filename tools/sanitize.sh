#!/usr/bin/env bash
# The sanitizer stage of CI: a second tree, Debug, built with AddressSanitizer and
# UndefinedBehaviorSanitizer, running the unit tests, the scenario scripts and the monkey.
# The first error of either sanitizer stops the test that hit it; leaks are reported.
# Only leaks inside system libraries are suppressed, by tools/lsan.supp.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
tree=${VELONDO_SANITIZE_TREE:-build-asan}
jobs=$(nproc)

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$root/tools/lsan.supp:print_suppressions=0
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

# Runs one step and prints how long it took; a failing step stops the stage.
stage() {
    local name=$1 start=$SECONDS status=0
    shift
    "$@" || status=$?
    echo "sanitizer stage: $name $((SECONDS - start)) s$([ $status -ne 0 ] && echo ", FAILED")"
    return $status
}

build() {
    cmake -S . -B "$tree" -DCMAKE_BUILD_TYPE=Debug -DVELONDO_SANITIZE=ON >/dev/null
    # Only what the stage runs: no program, no benchmarks.
    cmake --build "$tree" -j"$jobs" --target velondo_unit_tests velondo_scenario_tests \
        velondo_sound_sdl_tests velondo-scenario
}

# The unit tests run as one process each: a sanitized start-up per test would cost minutes.
unit_tests() {
    "$tree/tests/velondo_unit_tests" --gtest_brief=1 --gtest_filter='-FuzzedReaders.*'
    "$tree/tests/velondo_scenario_tests" --gtest_brief=1
    "$tree/tests/velondo_sound_sdl_tests" --gtest_brief=1
}
# About 20,000 damaged data files, each read whole or refused; they print their counts.
fuzzed_readers() { "$tree/tests/velondo_unit_tests" --gtest_brief=1 --gtest_filter='FuzzedReaders.*'; }
run_label() { (cd "$tree" && ctest --output-on-failure -j"$jobs" -L "^$1\$"); }

total=$SECONDS
stage build build
stage "unit tests" unit_tests
stage "fuzzed readers" fuzzed_readers
stage scenarios run_label scenario
stage monkey run_label monkey
echo "sanitizer stage: total $((SECONDS - total)) s"
