#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages the project builds and tests with; does nothing when all are there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev
  libcli11-dev nlohmann-json3-dev libfontconfig-dev libpng-dev
  libbenchmark-dev help2man python3
  qt6-base-dev libqt6svg6
  fonts-dejavu-core fonts-liberation2
  python3-fonttools poppler-utils xvfb xauth
  libreoffice-calc-nogui python3-uno libreoffice-script-provider-python libreoffice-dev
  clang libclang-rt-14-dev valgrind
  zint zbar-tools zxing-cpp-tools
  appstream desktop-file-utils dpkg-dev lintian
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
