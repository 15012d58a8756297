#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the browser version (build/web: index.html, index.js, index.wasm,
# sw.js, manifest.webmanifest, icons/) with Debian's Emscripten and serves it
# at http://127.0.0.1:8000.
#   scripts/web.sh [--build-only]
# The build uses no Emscripten ports and downloads nothing. The glyphs are
# baked by the host's glyph baker and the icons made by the host's icon maker
# (both built in build/ci), as for the desktop.
set -euo pipefail
cd "$(dirname "$0")/.."

serve=1
for argument in "$@"; do
    case "$argument" in
    --build-only) serve=0 ;;
    *)
        echo "usage: scripts/web.sh [--build-only]" >&2
        exit 2
        ;;
    esac
done

scripts/install-deps.sh emscripten node-acorn
# Emscripten's JavaScript optimiser finds acorn here.
export NODE_PATH=/usr/share/nodejs

cmake --preset ci >/dev/null
cmake --build --preset ci --target bake_glyphs talonix_desktop_files

if [ ! -f build/web/CMakeCache.txt ]; then
    emcmake cmake -S . -B build/web -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_CXX_FLAGS_RELEASE="-Os -DNDEBUG" -DTALONIX_WERROR=ON \
        -DTALONIX_GLYPH_BAKER="$PWD/build/ci/platform/bake_glyphs" >/dev/null
fi
cmake --build build/web --target talonix_page_files -j 2

# Everything a first visit fetches: the service worker then keeps all of it.
transfer=0
for file in build/web/{index.html,index.js,index.wasm,sw.js,manifest.webmanifest} \
    build/web/icons/*.png; do
    transfer=$((transfer + $(gzip -9 -c "$file" | wc -c)))
done
echo "build/web: the page, its script, WebAssembly, service worker, manifest and icons;" \
    "$((transfer / 1024)) KiB to transfer (gzip)"
# A phone fetches all of it on a first visit: keep it under 400 KiB.
if [ "$transfer" -gt $((400 * 1024)) ]; then
    echo "web.sh: the page is over 400 KiB to transfer" >&2
    exit 1
fi

if [ "$serve" -eq 1 ]; then
    echo "Serving at http://127.0.0.1:8000/ (Ctrl+C stops)"
    exec python3 -m http.server 8000 --bind 127.0.0.1 --directory build/web
fi
