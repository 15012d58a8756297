#!/usr/bin/env bash
# Installs the Debian 12 tools that check the desktop side of the program:
# the window under Xvfb with a window manager (xdotool, xwininfo, xwd,
# openbox, time), and the installed files
# and the package (desktop-file-validate, appstreamcli, lintian, dpkg-dev for
# dpkg-shlibdeps). The build and the tests do not need them.
set -euo pipefail

packages=(
    xvfb xauth xdotool x11-utils x11-apps openbox time
    desktop-file-utils appstream lintian dpkg-dev file fakeroot
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
