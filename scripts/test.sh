#!/usr/bin/env bash
# Builds Quintora 2 and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${build_packages[@]}" libgtest-dev libbenchmark-dev

echo "== Build and unit tests"
cmake --preset default -DQUINTORA_WINDOW=ON -DQUINTORA_TESTS=ON -DQUINTORA_BENCH=ON >/dev/null
cmake --build --preset default -j"$(nproc)"
ctest --preset default -j"$(nproc)"
