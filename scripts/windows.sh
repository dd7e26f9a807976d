#!/usr/bin/env bash
# Builds the Windows program with Debian's mingw-w64: build/windows/app/quintora.exe,
# and in build/windows/ the portable zip quintora-<version>-windows-x64.zip,
# the per-user installer quintora-<version>-windows-x64.exe and the
# per-machine MSI quintora-<version>-windows-x64.msi, all signed when
# QUINTORA_SIGN_PFX names the owner's certificate (see the README).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${windows_packages[@]}"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)"
cmake --build --preset windows --target packages
ls build/windows/quintora-*-windows-x64.*
