#!/bin/bash
# Builds the engine fuzz targets (one per deliverable, libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer, clang) and runs each for the given number of executions.
#
#   tests/fuzz/run_fuzz.sh [runs per deliverable] [parallel jobs per deliverable] [deliverables]
#
# e.g. tests/fuzz/run_fuzz.sh 1000000 2 "brenlowe pirrowan"
# The build goes to build/fuzz (override with FUZZ_BUILD=dir); corpora are kept in
# build/fuzz/corpus-<deliverable> between runs. Exits non-zero on the first crash or sanitizer
# report; the input that caused it is left in build/fuzz/logs-<deliverable> as crash-*.
set -eu

runs=${1:-100000}
jobs=${2:-1}
deliverables=${3:-tarnwick brenlowe pirrowan}
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${FUZZ_BUILD:-$root/build/fuzz}
cxx=${CXX_FUZZ:-clang++}
flags="-std=c++17 -O1 -g -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined
       -fno-sanitize-recover=undefined"

mkdir -p "$out"

# The directivity tables, from the generator the build uses.
cmake -S "$root/tools/dirgen" -B "$out/dirgen" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$out/dirgen" >/dev/null
"$out/dirgen/dirgen" "$root/data" "$out/directivity" "$out/directivity/plots" >/dev/null

for product in $deliverables; do
  upper=$(echo "$product" | tr a-z A-Z)
  objects="$out/obj-$product"
  rm -rf "$objects"
  mkdir -p "$objects"
  includes="-I$root/$product -I$root/core -I$root/platform -I$root/data"
  # Compile in parallel, then link.
  for source in "$root"/core/*.cpp "$root/$product"/*.cpp "$root/platform/winapp.cpp" \
                "$root/tests/fuzz/engine_fuzzer.cpp"; do
    name=$(basename "$(dirname "$source")")_$(basename "$source" .cpp)
    $cxx $flags -DFUZZ_$upper $includes -c "$source" -o "$objects/$name.o" &
  done
  $cxx -c "$out/directivity/${product}_directivity.S" -o "$objects/directivity.o" &
  wait
  $cxx $flags "$objects"/*.o -o "$out/fuzz_$product"
done

# The deliverables run side by side, each with its jobs; each job runs its share of the
# executions and new inputs go into the deliverable's shared corpus.
share=$(( (runs + jobs - 1) / jobs ))
pids=()
for product in $deliverables; do
  mkdir -p "$out/corpus-$product" "$out/logs-$product"
  rm -f "$out/logs-$product"/*.log
  echo "== $product: $runs runs in $jobs job(s)"
  (cd "$out/logs-$product" && "../fuzz_$product" -runs="$share" -jobs="$jobs" -workers="$jobs" \
     -max_len=4096 -print_final_stats=1 "../corpus-$product" >main.log 2>&1) &
  pids+=($!)
done
status=0
for pid in "${pids[@]}"; do
  wait "$pid" || status=1
done
for product in $deliverables; do
  total=$(cat "$out/logs-$product"/fuzz-*.log | grep "stat::number_of_executed_units" |
          awk '{ sum += $2 } END { print sum + 0 }')
  echo "$product: $total executions"
  if grep -lE "ERROR: |SUMMARY: |runtime error" "$out/logs-$product"/*.log; then status=1; fi
done
exit $status
