#!/bin/bash
# Builds everything with clang, AddressSanitizer and UndefinedBehaviorSanitizer, with the
# libFuzzer targets, and runs the whole suite, the fuzzers included (labelled "fuzz").
# Usage: tools/test-sanitized.sh [BUILD_DIR [CTEST_OPTION...]]   e.g. build-asan -LE fuzz
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-asan}
shift || true
tools/setup.sh "$build_dir" -DCMAKE_CXX_COMPILER=clang++ -DTALLYRUN_SANITIZE=ON \
  -DTALLYRUN_WERROR=ON -DTALLYRUN_BENCH=OFF
cmake --build "$build_dir"
export ASAN_OPTIONS=strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan-qt.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1
cd "$build_dir"
ctest --output-on-failure --parallel 2 --timeout 600 "$@"
