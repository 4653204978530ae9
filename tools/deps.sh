#!/usr/bin/env bash
# Makes sure the Debian packages the build, the tests and the program need are
# installed. As root it installs what is missing; otherwise it prints the one
# apt-get line to run and fails.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-dev make
  libsdl2-dev libx11-dev libfreetype-dev libfontconfig-dev fonts-dejavu-core libpng-dev
  googletest libgtest-dev libbenchmark-dev libpixman-1-dev
  xvfb xauth xdotool imagemagick
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
else
  echo "Missing packages. Run:"
  echo "  sudo apt-get install -y ${missing[*]}"
  exit 1
fi
