#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12.
set -euo pipefail
PACKAGES=(cmake ninja-build g++ pkg-config libgtest-dev libbenchmark-dev qt6-base-dev
  qt6-multimedia-dev qt6-svg-dev libpng-dev libjpeg-dev zlib1g-dev fonts-liberation2
  fonts-dejavu-core xvfb xauth xdg-utils imagemagick qt6-translations-l10n)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    -o DPkg::Lock::Timeout=600 "${missing[@]}"
fi
