#!/usr/bin/env bash
# The start-up check fails, and says why, for programs that do not show the
# main window: one that ends at once (at once, not at the deadline), one that
# stays up without a window (it is ended after), and X clients whose window
# caption is near the right one but not it.
set -uo pipefail
check="$(dirname "${BASH_SOURCE[0]}")/run_under_xvfb.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

stand_in() {
  printf '#!/bin/sh\n%s\n' "$2" >"$work/$1"
  chmod +x "$work/$1"
}
stand_in ends 'exit 3'
stand_in idle "echo \$\$ >'$work/idle.pid'; exec sleep infinity"
stand_in capitals 'exec xev -name "HOLLARNE V1.2.1"'
stand_in longer 'exec xev -name "Hollarne V1.2.1 (copy)"'

failures=0
# Stand-in, seconds to wait for the window, first line the check prints.
while IFS='|' read -r name seconds expected; do
  output="$(PINLOOM_WINDOW_WAIT_SECONDS=$seconds bash "$check" "$work/$name" 2>&1)"
  status=$?
  first="$(head -n 1 <<<"$output")"
  if [ "$status" -eq 0 ] || [ "$first" != "$expected" ]; then
    echo "FAIL $name: exit status $status, printed:"
    echo "$output"
    echo "expected a failure with: $expected"
    failures=$((failures + 1))
  fi
done <<'CASES'
ends|120|the program ended (exit status 3) before showing a window captioned Hollarne V1.2.1
idle|2|no window captioned Hollarne V1.2.1 within 2 s
capitals|120|no window captioned Hollarne V1.2.1; shown: "HOLLARNE V1.2.1"
longer|2|no window captioned Hollarne V1.2.1 within 2 s
CASES

# (On a slow machine the check may end the stand-in before it wrote its id.)
idle="$(cat "$work/idle.pid" 2>/dev/null)"
if [ -n "$idle" ] && kill -0 "$idle" 2>/dev/null; then
  echo "FAIL idle: the program was left running"
  kill "$idle"
  failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] && echo "every stand-in failed the check"
exit $((failures > 0))
