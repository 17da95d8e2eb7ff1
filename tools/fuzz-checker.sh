#!/bin/bash
# Builds the checker's fuzz target with clang++ (libFuzzer, AddressSanitizer, UBSan) and runs
# it for a bounded number of inputs. Usage: tools/fuzz-checker.sh [RUNS] [OUT_DIR]
# A crash or a failed property leaves its input in OUT_DIR and makes the script fail.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-200000}
out=${2:-$root/build-fuzz/checker}
clangxx=${CLANGXX:-clang++}
seconds=${FUZZ_SECONDS:-20}

mkdir -p "$out/corpus"
"$clangxx" -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$root/checker" "$root/checker/expression.cpp" "$root/checker/checkerkeypad.cpp" \
  "$root/checker/fuzz/fuzz_checker.cpp" -o "$out/fuzz_checker"
cp "$root"/checker/fuzz/seeds/* "$out/corpus/"
"$out/fuzz_checker" -runs="$runs" -max_total_time="$seconds" -timeout=5 -max_len=256 \
  -print_final_stats=1 -artifact_prefix="$out/" -dict="$root/checker/fuzz/checker.dict" \
  "$out/corpus"
