#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages the game needs to build, run, test and benchmark (the desktop benchmark
# runs under Xvfb), to build with clang and to validate what is installed; skips those already present.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-l10n-tools qt6-tools-dev libsdl2-dev fonts-liberation xdg-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb x11-utils libx11-dev libxdamage-dev libxtst-dev
  clang desktop-file-utils appstream lintian
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
