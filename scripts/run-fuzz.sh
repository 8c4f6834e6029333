#!/usr/bin/env bash
# Builds the number-text fuzz target with clang (libFuzzer, ASan, UBSan) in
# build/fuzz and runs it for a bounded time: the number of seconds given, 20
# by default. The corpus it grows stays in build/fuzz/corpus for the next run.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-20}"
build=build/fuzz
compiler="$(command -v clang++-14 || command -v clang++)"

cmake -S fuzz -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$compiler" > /dev/null
cmake --build "$build"
mkdir -p "$build/corpus"
"$build/fuzz_number_text" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
  -dict=fuzz/number_text.dict -artifact_prefix="$build/" "$build/corpus" fuzz/seeds
