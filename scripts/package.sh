#!/usr/bin/env bash
# Builds the Debian package build/package/quintora_<version>_<arch>.deb and checks
# it, its desktop entry and its AppStream metainfo.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${build_packages[@]}" dpkg-dev file lintian desktop-file-utils appstream

build_preset package
(cd build/package && cpack -G DEB -B . >/dev/null)
deb=$(ls build/package/quintora_*.deb)

source build/package/window_facts.sh
desktop-file-validate "build/package/packaging/$app_id.desktop"
appstreamcli validate --no-net "build/package/packaging/$app_id.metainfo.xml"
root=()
[ "$(id -u)" -eq 0 ] && root=(--allow-root)
lintian "${root[@]}" --fail-on error "$deb"
echo "$deb built; lintian, desktop-file-validate and appstreamcli found no error"
