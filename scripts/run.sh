#!/usr/bin/env bash
# Installs what is missing, builds, and starts Pinloom.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh"
exec "$here/build/pinloom"
