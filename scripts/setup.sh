#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs whatever Debian packages are missing, then configures and builds.
# Safe to run again: it only does what is not done.
#   scripts/setup.sh          what building and running need, built into
#                             build-run/ without the tests
#   scripts/setup.sh --tests  and what the tests need, every test built into
#                             build/
#   --dir DIR                 builds into DIR instead; a folder already
#                             configured keeps its settings (only --tests
#                             sets its own)
#   --target NAME             builds only NAME (repeatable)
# WERROR=ON makes warnings errors (the test command's builds). The two
# commands build apart, so that neither undoes the other's objects.
set -euo pipefail
cd "$(dirname "$0")/.."

# Building and running the programs; rsvg-convert renders each window's icon
# when the programs are built, and msgfmt (gettext) compiles the messages'
# catalogues.
run_packages=(
  g++ cmake make pkg-config
  libsdl2-dev libcairo2-dev libfontconfig-dev libfreetype-dev
  fonts-ipaexfont-gothic fonts-liberation2 librsvg2-bin gettext
)
# The tests on top: GoogleTest and Google Benchmark; Xvfb, xdotool and
# ImageMagick for the real-window tests, with xprop, xmodmap, a window
# manager that answers fullscreen requests and a Japanese input method; the
# desktop-entry and metainfo validators for the install test; groff for the
# man pages; dpkg-dev (dpkg-shlibdeps) and file for cpack, and lintian, for
# the package test; clang-format for the formatting check; python3 for the soak;
# gcovr for tools/coverage.sh; locales for the Japanese locale the messages'
# test compiles for itself.
test_packages=(
  libgtest-dev libbenchmark-dev
  xvfb xdotool imagemagick
  openbox x11-utils x11-xserver-utils ibus ibus-mozc dbus-daemon
  desktop-file-utils appstream
  groff-base dpkg-dev file lintian
  clang-format python3 gcovr locales
)

packages=("${run_packages[@]}")
testing=OFF
dir=""
targets=()
while (($#)); do
  case "$1" in
    --tests) testing=ON ;;
    --dir) dir="${2:?--dir needs a folder}"; shift ;;
    --target) targets+=(--target "${2:?--target needs a name}"); shift ;;
    *) echo "usage: scripts/setup.sh [--tests] [--dir DIR] [--target NAME]..." >&2; exit 2 ;;
  esac
  shift
done
if [ "$testing" = ON ]; then
  packages+=("${test_packages[@]}")
  dir="${dir:-build}"
else
  dir="${dir:-build-run}"
fi
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

if [ "$testing" = ON ] || [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DWERROR="${WERROR:-OFF}" -DBUILD_TESTING="$testing" >/dev/null
fi
cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
