#!/usr/bin/env bash
# Starts the program on a virtual X display from a folder of its own and
# checks that its main window comes up with the Hollarne form's caption.
set -euo pipefail
program="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$program" "$work/pinloom"
cat > "$work/check.sh" <<'INNER'
#!/usr/bin/env bash
set -u
QT_QPA_PLATFORM=xcb "$1/pinloom" &
pid=$!
found=""
for _ in $(seq 1 600); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"Hollarne V1.2.1"'; then found=yes; break; fi
  if ! kill -0 "$pid" 2>/dev/null; then break; fi
  sleep 0.1
done
if [ -z "$found" ]; then
  echo "no window captioned Hollarne V1.2.1"
  kill "$pid" 2>/dev/null
  exit 1
fi
kill "$pid"
wait "$pid" 2>/dev/null
exit 0
INNER
chmod +x "$work/check.sh"
xvfb-run -a "$work/check.sh" "$work"
echo "main window shown"
