#!/usr/bin/env bash
# Remakes docs/screenshot.png: the real program under Xvfb, after "=" with
# the window's initial contents. Builds the program first.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${SCREENSHOT_INNER:-}" ]; then
    source scripts/deps.sh
    install_missing "${build_packages[@]}" xvfb xauth xdotool imagemagick
    cmake --preset package >/dev/null
    cmake --build --preset package -j"$(nproc)" --target quintora
    exec env SCREENSHOT_INNER=1 QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 640x480x24" "$0" "$@"
fi

./build/package/app/quintora &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quintora 2 \(Darvello\)$' | head -1)
sleep 0.5
xdotool key --window "$window" Return
sleep 0.5
mkdir -p docs
import -window "$window" docs/screenshot.png
echo "docs/screenshot.png remade"
