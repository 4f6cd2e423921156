#!/usr/bin/env bash
# Builds the fuzzers with clang and the sanitizers in build/fuzz and runs them for the given number
# of seconds in all, half each: the number conversions, and every window's formulas worked out and
# typeset. Each runs on a copy of its seed corpus. Exits non-zero on any finding, or on a case
# slower than a second; the input that caused it is kept in build/fuzz/findings/.
set -euo pipefail

seconds=${1:?usage: tests/fuzz/run.sh SECONDS}
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build/fuzz

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DNUMORA_WITH_GUI=OFF -DNUMORA_BUILD_FUZZERS=ON -DBUILD_TESTING=ON \
  -DNUMORA_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target fuzz_conversions fuzz_solutions -- -j2

# The fuzzer adds what it finds to its corpus directory; the seeds in the tree stay as they are.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/tests/fuzz/corpus" "$work/corpus"
cp -r "$root/tests/fuzz/solutions" "$work/solutions"
mkdir -p "$build/findings"
half=$(( (seconds + 1) / 2 ))

"$build/tests/fuzz/fuzz_conversions" -max_total_time="$half" -print_final_stats=1 \
  -dict="$root/tests/fuzz/conversions.dict" -artifact_prefix="$build/findings/" "$work/corpus"
"$build/tests/fuzz/fuzz_solutions" -max_total_time="$half" -timeout=1 -print_final_stats=1 \
  -dict="$root/tests/fuzz/conversions.dict" -artifact_prefix="$build/findings/" "$work/solutions"
