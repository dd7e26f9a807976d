#!/usr/bin/env bash
# Builds Quintora 2 and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${build_packages[@]}"
build_preset package --target quintora
exec ./build/package/app/quintora "$@"
