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
build_preset windows
cmake --build --preset windows --target packages
# The icon holds every size Windows draws from 100 % to 200 % in true colour,
# and 256 x 256.
sizes=" $(identify -format '%wx%h:%z ' window/icons/quintora.ico)"
for want in 16x16:8 20x20:8 24x24:8 32x32:8 40x40:8 48x48:8 64x64:8 256x256:8; do
    [[ "$sizes" == *" $want "* ]] || { echo "quintora.ico has no $want image in true colour"; exit 1; }
done
ls build/windows/quintora-*-windows-x64.*
