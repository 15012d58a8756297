#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, checks that no C++ function or file is too long
# (tools/long_functions.py), then builds and runs every test twice: once with
# warnings as errors, once under AddressSanitizer and UndefinedBehaviorSanitizer;
# the desktop window shows the computer's answers step by step under Xvfb;
# then runs each fuzz target briefly (TALONIX_FUZZ_SECONDS each, 30 by default,
# from a fixed seed so that a run is repeatable: the test gate replays known
# ground, and new ground is explored by long runs of scripts/fuzz.sh),
# the Windows build plays the same scripts under Wine,
# and the browser build plays the same scripts in headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
python3 tools/long_functions.py
python3 tools/licence_lines.py

for preset in ci asan; do
    echo "== $preset =="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

echo "== desktop window =="
scripts/install-deps.sh xdotool
python3 tests/desktop/steps_test.py build/ci/talonix

echo "== windows =="
scripts/windows.sh
scripts/install-deps.sh wine wine64 xdotool x11-apps
WINEPREFIX="$PWD/build/wine" python3 tests/windows/wine_test.py build/ci/talonix \
    build/windows/talonix.exe --window

echo "== fuzz =="
scripts/fuzz.sh "${TALONIX_FUZZ_SECONDS:-30}" -seed="${TALONIX_FUZZ_SEED:-1}"

echo "== web =="
scripts/web.sh --build-only
scripts/install-deps.sh chromium
python3 tests/web/browser_test.py build/ci/talonix build/web
