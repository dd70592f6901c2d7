#!/usr/bin/env bash
# Installs what is missing, builds the program alone (not the tests), and
# starts Pinloom.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" pinloom
exec "$here/build/pinloom"
