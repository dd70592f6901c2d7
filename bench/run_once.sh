#!/usr/bin/env bash
# Runs the generation benchmarks once each, at their shortest, as a build
# with the benchmarks checks that they still run: both must run to the end
# and report their pins, the largest project its board and peak memory.
#
#   run_once.sh BENCH_GENERATE [BENCHMARK OPTIONS]
set -uo pipefail
bench="$1"
shift
out="$("$bench" "$@" 2>&1)"
status=$?
printf '%s\n' "$out"
fail() { echo "run_once: $1"; exit 1; }
[ "$status" -eq 0 ] || fail "bench_generate ended with status $status"
if grep -q "ERROR OCCURRED" <<< "$out"; then fail "a benchmark stopped with an error"; fi
grep -Eq '^BM_GenerateProject[[:space:]].* pins=[1-9]' <<< "$out" ||
  fail "BM_GenerateProject reported no pins"
grep -Eq '^BM_GenerateLargestBoardProject[[:space:]].*peak_rss_MB=[0-9].* pins=[1-9][0-9]* [A-Z][A-Za-z]+$' <<< "$out" ||
  fail "BM_GenerateLargestBoardProject reported no board, pins and peak memory"
