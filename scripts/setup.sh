#!/usr/bin/env bash
# Installs what building and testing Pinloom needs on a Debian machine, then
# configures and builds: the targets given (e.g. "pinloom"), or everything.
# Safe to run again: it installs only what is missing.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
packages=(build-essential cmake ninja-build qt6-base-dev qt6-qpa-plugins libgl-dev libgtest-dev googletest
          libjpeg-dev iverilog verilator ghdl xvfb xauth fonts-dejavu-core fonts-liberation2 fontconfig x11-utils
          xdotool)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ $# -gt 0 ]; then
  cmake --build "$here/build" -j "$(nproc)" --target "$@"
else
  cmake --build "$here/build" -j "$(nproc)"
fi
