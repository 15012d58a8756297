#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package (build/package/talonix_<version>_<arch>.deb) and
# checks it: the installed menu entry with desktop-file-validate, the
# metainfo with appstreamcli (pedantic), the package with lintian (no errors
# allowed).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/install-desktop-tools.sh

build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_INSTALL_BINDIR=games     -DTALONIX_TESTS=OFF -DTALONIX_BENCHMARKS=OFF >/dev/null
cmake --build "$build"

stage="$build/stage"
rm -rf "$stage"
DESTDIR="$PWD/$stage" cmake --install "$build" >/dev/null
desktop-file-validate "$stage/usr/share/applications/org.talonix.Talonix.desktop"
appstreamcli validate --pedantic --no-net "$stage/usr/share/metainfo/org.talonix.Talonix.metainfo.xml"

(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/talonix_*.deb)
dpkg-deb --info "$package" | sed -n '/Package:/,$p'
lintian --fail-on error "$package"
echo "built $package"
