#!/usr/bin/env bash
# Start-up time (launch to window mapped) and peak memory of quintora.exe
# against a bare Win32 window of the same size, under Wine on Xvfb, in the
# same prefix with its wineserver kept running: the median of several
# interleaved runs each. Uses the probe of the Linux build.
# Usage: bench/startup_wine.sh [WINDOWS_BUILD_DIR] [PROBE] [RUNS]
set -euo pipefail
build=${1:-build/windows}
probe=${2:-build/default/bench/startup_probe}
runs=${3:-21}
source "$(dirname "$0")/../support/window.sh"
on_virtual_display 800x600 "$@"

export WINEPREFIX=${WINEPREFIX:-$PWD/$build/wine} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -p 2>/dev/null || true # the prefix's server may be running already
trap 'wineserver -k' EXIT
wine=$(command -v wine)
source "$(dirname "$0")/interleaved.sh"
interleaved "$runs" "$probe $wine $build/app/quintora.exe" "$probe $wine $build/bench/bare_window_win32.exe"
echo "quintora.exe:       ${t[0]} ms to window shown, ${m[0]} KiB peak"
echo "bare Win32 window:  ${t[1]} ms to window shown, ${m[1]} KiB peak"
echo "(medians of $runs interleaved runs under Wine)"
awk -v a="${t[0]}" -v b="${t[1]}" -v c="${m[0]}" -v d="${m[1]}" \
    'BEGIN { printf "quintora.exe / bare window: time %.2fx, memory %.2fx\n", a / b, c / d }'
