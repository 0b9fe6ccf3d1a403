#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# when any is missing. Debian 12 (bookworm).
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config git
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-qpa-plugins
    libpugixml-dev libgtest-dev libbenchmark-dev libx11-dev libgl-dev
    fonts-noto-core
    xvfb xdotool imagemagick x11-xkb-utils
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
