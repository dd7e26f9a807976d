#!/usr/bin/env bash
# The Windows program at 144 dpi (150 %) under Wine: its client area is the
# window's twips at 144 dpi, and the last stress row is where the
# twips put it, holding "Pa" and, after "=", its result.
# Usage: scaling.sh QUINTORA_EXE WINDOW_FACTS
set -euo pipefail
exe=$1 facts=$2
source "$(dirname "$0")/../../support/window.sh"
on_virtual_display 1024x768 "$@"
source "$(dirname "$0")/wine.sh"
dpi=144
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null 2>&1
wineserver -k 2>/dev/null || true
read -r client_width client_height <<<"$(client $dpi)"
start "$exe"
# The frame around the client area: equal borders, a caption above.
[ $((WIDTH - client_width)) -ge 0 ] && [ $((WIDTH - client_width)) -le 20 ] &&
    [ $((top - left)) -ge 10 ] && [ $((top - left)) -le 60 ] ||
    fail "a window of ${WIDTH}x${HEIGHT} has no client area of ${client_width}x${client_height}"
read_at() {
    local x y
    read -r x y <<<"$(centre "$1" $dpi)"
    echo -n "(nothing)" | xclip -selection clipboard >/dev/null 2>&1
    xdotool mousemove --window "$window" $((left + x)) $((top + y)) click 1
    sleep 0.2
    xdotool key --clearmodifiers ctrl+a ctrl+c
    sleep 0.3
    timeout 5 xclip -o -selection clipboard
}
[ "$(read_at 'Text6(15)')" = "Pa" ] || fail "no Pa in the last stress row at $dpi dpi"
xdotool key --clearmodifiers Return
sleep 0.5
[ "$(read_at 'Text5(15)')" = "10000000" ] || fail "no result in the last stress row"
xdotool mousemove --window "$window" $((left + $(centre 'Text1(0)' $dpi | cut -d' ' -f1))) \
    $((top + $(centre 'Text1(0)' $dpi | cut -d' ' -f2))) click 1
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "12.5kN"
xdotool key Return
sleep 0.5
note_covers_nothing 'Text1(0)'
xdotool key --clearmodifiers alt+F4
ended "Alt+F4 at $dpi dpi"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
echo "at $dpi dpi: client area ${client_width}x${client_height}, last stress row in place and converted"
