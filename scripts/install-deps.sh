#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine, when missing.
set -euo pipefail

packages=(cmake ninja-build g++ ccache pkg-config
          qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libgl-dev libfontconfig-dev
          libgtest-dev libgmock-dev googletest libbenchmark-dev libssl-dev libxlsxwriter-dev
          fonts-dejavu-core fonts-dejavu-extra fonts-liberation2 xvfb xauth)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
