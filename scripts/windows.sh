#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Windows program with Debian's mingw-w64 (POSIX threads) and
# packs it: build/windows/talonix-<version>-windows-x64.zip holds
# talonix.exe (the C++ runtime linked in), README.txt and the licence.
#   scripts/windows.sh
# The glyphs and the icon are made by the host's build (build/ci), as for
# the browser build. Nothing is downloaded beyond Debian's packages.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh g++-mingw-w64-x86-64-posix libz-mingw-w64-dev zip

cmake --preset ci >/dev/null
cmake --build --preset ci --target bake_glyphs talonix_desktop_files

build=build/windows
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
        -DTALONIX_WERROR=ON \
        -DTALONIX_GLYPH_BAKER="$PWD/build/ci/platform/bake_glyphs" \
        -DTALONIX_HOST_ICON="$PWD/build/ci/icons/talonix.ico" >/dev/null
fi
cmake --build "$build" --target talonix -j 2

exe="$build/talonix.exe"
size=$(stat -c %s "$exe")
if [ "$size" -gt $((4 * 1024 * 1024)) ]; then
    echo "talonix.exe is $size bytes, over 4 MiB" >&2
    exit 1
fi
# Only DLLs that come with Windows itself.
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | sort -u)
for dll in $imports; do
    case "${dll,,}" in
    kernel32.dll | user32.dll | gdi32.dll | shell32.dll | advapi32.dll | msvcrt.dll) ;;
    api-ms-win-crt-*.dll) ;;
    *)
        echo "talonix.exe needs $dll, which Windows does not ship" >&2
        exit 1
        ;;
    esac
done

version=$(sed -n 's/^project(talonix VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
stage="$build/zip"
rm -rf "$stage"
mkdir -p "$stage"
cp "$exe" "$stage/talonix.exe"
sed "s/@VERSION@/$version/" packaging/windows/README.txt | sed 's/$/\r/' >"$stage/README.txt"
if [ -f LICENSE ]; then
    sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"
fi
zipfile="$build/talonix-$version-windows-x64.zip"
rm -f "$zipfile"
(cd "$stage" && TZ=UTC zip -q -X -9 "../$(basename "$zipfile")" ./*)
echo "$zipfile: $(stat -c %s "$zipfile") bytes (talonix.exe $size bytes; DLLs: $(echo $imports))"
