#!/usr/bin/env bash
# Installs every Debian 12 package the build and the tests need.
# Idempotent and non-interactive; uses sudo when not run as root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libqt6serialport6-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools linguist-qt6
  libgl-dev libxkbcommon-dev
  libsqlite3-dev libzxing-dev
  libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
