#!/usr/bin/env bash
# Installs the Debian packages Brevix needs. Quiet when everything is present; refreshes the
# package lists only when something is missing.
set -euo pipefail

packages=(
    cmake ninja-build ccache g++ clang pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-multimedia-dev libqt6sql6-sqlite
    qt6-image-formats-plugins libgl-dev zlib1g-dev sqlite3
    libgtest-dev libgmock-dev libbenchmark-dev libclang-rt-14-dev
    fonts-arphic-uming xfonts-wqy fonts-noto-cjk
    xvfb xauth xdotool imagemagick gstreamer1.0-plugins-good
    libmodbus-dev stm32flash socat
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi
