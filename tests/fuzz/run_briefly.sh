#!/usr/bin/env bash
# Runs the settings fuzz target briefly, as a build with the fuzzers checks
# that it still runs: a starting corpus of its own (a sample of the seeds
# the target writes, a few records of every board) in a fresh temporary
# folder, then the given number of seconds of fuzzing. Fails when the target
# stops on anything (a fault, a leak, a crash) or ran nothing.
#
#   run_briefly.sh FUZZ_TARGET SECONDS
set -uo pipefail
fuzzer="$1"
seconds="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"  # libFuzzer writes what it finds into the current folder
export QT_QPA_PLATFORM=offscreen
mkdir seeds corpus empty

# The seeds, written by the target itself; no input run beyond the empty one.
if ! PINLOOM_FUZZ_SEEDS="$work/seeds" "$fuzzer" -runs=0 empty > seeds.log 2>&1; then
  cat seeds.log
  echo "run_briefly: the target failed while writing its seeds"
  exit 1
fi
# Seeds are named <board>-<record>; every 64th record of each board.
for seed in seeds/*; do
  record="${seed##*-}"
  [ $((record % 64)) -eq 0 ] && cp "$seed" corpus/
done
count=$(find corpus -type f | wc -l)
if [ "$count" -eq 0 ]; then
  echo "run_briefly: the target wrote no seeds"
  exit 1
fi
echo "run_briefly: $count seeds of $(find seeds -type f | wc -l)"

"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/" corpus > fuzz.log 2>&1
status=$?
# libFuzzer's own lines, without the font warnings of the offscreen platform.
grep -v "OpenType support missing" fuzz.log | grep -Ev '^#[0-9]+[[:space:]]+(NEW|REDUCE)' | tail -n 60
if [ "$status" -ne 0 ]; then
  echo "run_briefly: the target stopped with status $status"
  exit 1
fi
if ! grep -Eq '^Done [1-9][0-9]* runs in [0-9]+ second' fuzz.log; then
  echo "run_briefly: the target ran no input"
  exit 1
fi
