#!/usr/bin/env bash
# Builds the Windows program with Debian's mingw-w64: build/windows/app/quintora.exe,
# and beside build/windows/ the portable zip quintora-<version>-windows-x64.zip
# and the installer quintora-<version>-windows-x64.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${windows_packages[@]}"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)"
cmake --build --preset windows --target packages
ls build/windows/quintora-*-windows-x64.*
