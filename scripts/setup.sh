#!/usr/bin/env bash
# Installs what building and testing need on Debian 12 (skips what is already there).
set -euo pipefail
packages=(cmake g++ make pkg-config libtinyxml-dev libgtest-dev)
if [ "${VMX_WITH_HOST:-1}" = 1 ]; then
  packages+=(libwebkit2gtk-4.1-dev xvfb xdotool fonts-wqy-microhei imagemagick)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" = 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi
