#!/usr/bin/env bash
# Runs the fuzzers for the given number of seconds, side by side: the number conversions, and
# every window's formulas worked out and typeset. They are built in the sanitize preset, with
# clang and the sanitizers (build/sanitize: the sanitizer tests' build, so CI builds them once).
# Each runs on a copy of its seed corpus. Exits non-zero on any finding, or on a case slower than
# a second; the input that caused it is kept in build/sanitize/findings/.
set -euo pipefail

seconds=${1:?usage: tests/fuzz/run.sh SECONDS}
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build/sanitize

cd "$root"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize --target fuzz_conversions fuzz_solutions

# The fuzzer adds what it finds to its corpus directory; the seeds in the tree stay as they are.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/tests/fuzz/corpus" "$work/corpus"
cp -r "$root/tests/fuzz/solutions" "$work/solutions"
mkdir -p "$build/findings"

# Each fuzzer is single-threaded: on two cores both run at once, each for the whole time.
"$build/tests/fuzz/fuzz_conversions" -max_total_time="$seconds" -print_final_stats=1 \
  -dict="$root/tests/fuzz/conversions.dict" -artifact_prefix="$build/findings/" "$work/corpus" \
  >"$work/conversions.log" 2>&1 &
conversions=$!
status=0
"$build/tests/fuzz/fuzz_solutions" -max_total_time="$seconds" -timeout=1 -print_final_stats=1 \
  -dict="$root/tests/fuzz/conversions.dict" -artifact_prefix="$build/findings/" "$work/solutions" \
  >"$work/solutions.log" 2>&1 || status=$?
wait "$conversions" || status=$?
# Each fuzzer's report after the other's, not interleaved.
cat "$work/conversions.log" "$work/solutions.log"
exit "$status"
