#!/usr/bin/env bash
# Starts a program (the one given, copied into a fresh folder of its own) on
# an X server of its own and checks that it maps a window captioned exactly
# "Hollarne V1.2.1", the Hollarne form's caption. Fails at once when the
# program ends first, and when no such window has come up
# PINLOOM_WINDOW_WAIT_SECONDS (default 120) after the program started.
#
# The server never resets (-noreset): with a server that resets whenever its
# last client leaves, a connection that comes in during a reset is refused.
# It picks a free display itself and names it (-displayfd) only once it
# accepts connections. One watcher, connected throughout, waits for the
# window.
set -euo pipefail
caption="Hollarne V1.2.1"
program="$1"
window_wait=${PINLOOM_WINDOW_WAIT_SECONDS:-120}

work="$(mktemp -d)"
server="" client="" watcher=""
cleanup() {
  for pid in $watcher $client $server; do kill "$pid" 2>/dev/null || true; done
  for pid in $watcher $client $server; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

fail() {
  echo "$1"
  for log in server program watcher; do
    if [ -s "$work/$log.log" ]; then
      echo "--- $log output:"
      cat "$work/$log.log"
    fi
  done
  exit 1
}

cp "$program" "$work/pinloom"
mkdir -m 700 "$work/runtime"

mkfifo "$work/display"
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" >"$work/server.log" 2>&1 &
server=$!
display=""
read -r -t 120 display <"$work/display" || true
[ -n "$display" ] || fail "the X server did not start"
export DISPLAY=":$display"

(
  cd "$work"
  export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime"
  exec "$work/pinloom"
) >"$work/program.log" 2>&1 &
client=$!

# xdotool keeps one connection and searches until a viewable window has the
# caption as the whole of its name; it matches without regard to case, so
# the names of the windows it found are compared after.
pattern="^$(printf '%s' "$caption" | sed 's/[].[^$*+?(){}|\\]/\\&/g')\$"
timeout "$window_wait" xdotool search --sync --onlyvisible --name "$pattern" >"$work/windows" 2>"$work/watcher.log" &
watcher=$!

ended=""
status=0
wait -n -p ended "$client" "$watcher" || status=$?
if [ "$ended" = "$client" ]; then
  client=""
  fail "the program ended (exit status $status) before showing a window captioned $caption"
fi
watcher=""
[ "$status" -ne 124 ] || fail "no window captioned $caption within $window_wait s"
[ "$status" -eq 0 ] || fail "the wait for a window captioned $caption failed (exit status $status)"
names=""
while read -r window; do
  name="$(xdotool getwindowname "$window")"
  [ "$name" != "$caption" ] || { echo "main window shown"; exit 0; }
  names+=" \"$name\""
done <"$work/windows"
fail "no window captioned $caption; shown:$names"
