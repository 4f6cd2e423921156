#!/usr/bin/env bash
# Builds the conversions fuzzer with clang and the sanitizers in build/fuzz and runs it for the
# given number of seconds on a copy of the seed corpus. Exits non-zero on any finding; the input
# that caused it is kept in build/fuzz/findings/.
set -euo pipefail

seconds=${1:?usage: tests/fuzz/run.sh SECONDS}
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build/fuzz

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DNUMORA_WITH_GUI=OFF -DNUMORA_BUILD_FUZZERS=ON -DBUILD_TESTING=ON \
  -DNUMORA_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target fuzz_conversions -- -j2

# The fuzzer adds what it finds to its corpus directory; the seeds in the tree stay as they are.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/tests/fuzz/corpus" "$work/corpus"
mkdir -p "$build/findings"

"$build/tests/fuzz/fuzz_conversions" -max_total_time="$seconds" -print_final_stats=1 \
  -dict="$root/tests/fuzz/conversions.dict" -artifact_prefix="$build/findings/" "$work/corpus"
