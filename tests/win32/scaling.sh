#!/usr/bin/env bash
# The Windows program at 144 dpi (150 %) under Wine: its client area is the
# window's twips at 144 dpi, 645 x 525, and the last stress row is where the
# twips put it, holding "Pa" and, after "=", its result.
# Usage: scaling.sh QUINTORA_EXE
set -euo pipefail
exe=$1
[ -n "${SCALING_INNER:-}" ] || exec env SCALING_INNER=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
source "$(dirname "$0")/wine.sh"
dpi=144
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null 2>&1
wineserver -k 2>/dev/null || true
px() { echo $((($1 * dpi + 720) / 1440)); }
client_width=$(px 6450) client_height=$(px 5250)
start "$exe"
# The frame around the client area: equal borders, a caption above.
[ $((WIDTH - client_width)) -ge 0 ] && [ $((WIDTH - client_width)) -le 20 ] &&
    [ $((top - left)) -ge 10 ] && [ $((top - left)) -le 60 ] ||
    fail "a window of ${WIDTH}x${HEIGHT} has no client area of ${client_width}x${client_height}"
read_at() {
    echo -n "(nothing)" | xclip -selection clipboard >/dev/null 2>&1
    xdotool mousemove --window "$window" $((left + $1)) $((top + $2)) click 1
    sleep 0.2
    xdotool key --clearmodifiers ctrl+a ctrl+c
    sleep 0.3
    timeout 5 xclip -o -selection clipboard
}
row15=$(px $((840 + 285 * 14 + 142)))
[ "$(read_at "$(px 5440)" "$row15")" = "Pa" ] || fail "no Pa in the last stress row at $dpi dpi"
xdotool key --clearmodifiers Return
sleep 0.5
[ "$(read_at "$(px 4350)" "$row15")" = "10000000" ] || fail "no result in the last stress row"
xdotool key --clearmodifiers alt+F4
ended "Alt+F4 at $dpi dpi"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
echo "at $dpi dpi: client area ${client_width}x${client_height}, last stress row in place and converted"
