#!/usr/bin/env bash
# Start-up time (launch to window mapped) and peak memory of quintora against
# a bare Qt 6 window, the median of several interleaved runs each, under Xvfb.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build/default}
runs=${2:-21}
export QT_QPA_PLATFORM=xcb
source "$(dirname "$0")/../support/window.sh"
on_virtual_display 800x600 "$@"

probe=$build/bench/startup_probe
source "$(dirname "$0")/interleaved.sh"
interleaved "$runs" "$probe $build/app/quintora" "$probe $build/bench/bare_window" \
    "$probe $build/bench/bare_window --text"
echo "quintora:                  ${t[0]} ms to window shown, ${m[0]} KiB peak"
echo "bare window:               ${t[1]} ms to window shown, ${m[1]} KiB peak"
echo "bare window, one text box: ${t[2]} ms to window shown, ${m[2]} KiB peak"
echo "(medians of $runs interleaved runs)"
awk -v a="${t[0]}" -v b="${t[1]}" -v c="${m[0]}" -v d="${m[1]}" -v e="${t[2]}" -v f="${m[2]}" 'BEGIN {
    printf "quintora / bare window: time %.2fx (goal <= 1.5x), memory %.2fx (goal <= 1.3x)\n", a / b, c / d
    printf "quintora / bare window with text: time %.2fx, memory %.2fx\n", a / e, c / f
}'
