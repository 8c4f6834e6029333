#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) in build/fuzz
# and runs each of them for a bounded time: the number of seconds given, 20
# by default. The corpora they grow stay in build/fuzz/corpus-* for the next
# run.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-20}"
build=build/fuzz
compiler="$(command -v clang++-14 || command -v clang++)"

cmake -S fuzz -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$compiler" > /dev/null
cmake --build "$build"
for target in number_text http_response order_list; do
  mkdir -p "$build/corpus-$target"
  "$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -dict="fuzz/$target.dict" -artifact_prefix="$build/$target-" "$build/corpus-$target" "fuzz/${target}_seeds"
done
