#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian 12 tools that check the desktop side of the program:
# the window under Xvfb with a window manager (xdotool, xwininfo, xwd,
# openbox, time), and the installed files and the package
# (desktop-file-validate, appstreamcli, lintian, dpkg-dev for dpkg-shlibdeps).
# The build and the tests do not need them.
set -euo pipefail
cd "$(dirname "$0")/.."

exec scripts/install-deps.sh xdotool x11-utils x11-apps openbox time \
    desktop-file-utils appstream lintian dpkg-dev file fakeroot
