#!/usr/bin/env bash
# Builds the web page into build/web/site/: index.html with its script (which
# carries the WebAssembly module), style, offline worker, manifest and icons,
# for any static host.
# Try it with:  python3 -m http.server -d build/web/site 8000
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${web_packages[@]}"
build_preset web
echo "the page is in build/web/site/"
