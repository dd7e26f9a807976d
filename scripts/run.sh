#!/usr/bin/env bash
# Builds Quintora 2 and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${build_packages[@]}"
cmake --preset default -DQUINTORA_WINDOW=ON -DQUINTORA_TESTS=OFF -DQUINTORA_BENCH=OFF >/dev/null
cmake --build --preset default -j"$(nproc)"
exec ./build/default/app/quintora "$@"
