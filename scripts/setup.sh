#!/usr/bin/env bash
# Installs whatever Debian packages are missing, then configures and builds
# everything into build/. Safe to run again: it only does what is not done.
# WERROR=ON makes warnings errors (the test command's builds).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++ cmake make pkg-config
  libsdl2-dev libcairo2-dev libfontconfig-dev libfreetype-dev
  fonts-ipaexfont-gothic fonts-liberation2
  libgtest-dev libbenchmark-dev
  xvfb xdotool imagemagick
  openbox x11-utils x11-xserver-utils ibus ibus-mozc
  desktop-file-utils appstream librsvg2-bin
  clang-format
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DWERROR="${WERROR:-OFF}" >/dev/null
cmake --build build -j "$(nproc)"
