#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian 12 packages the build, the tests and the desktop window
# need, and any further packages named as arguments (scripts/web.sh names the
# browser build's). Safe to run again: it asks apt only for what is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config ccache
    libgtest-dev libgmock-dev libbenchmark-dev
    libsdl2-dev libsdl2-ttf-dev zlib1g-dev fonts-dejavu-core
    nlohmann-json3-dev libcli11-dev
    clang libclang-rt-14-dev
    xvfb xauth
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
