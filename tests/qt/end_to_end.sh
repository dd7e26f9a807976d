#!/usr/bin/env bash
# Drives the real program under Xvfb with real X input: types 25 KN.m, presses
# "=", reads a result back through the clipboard, then presses "Sai"; starts
# it again and ends it with Ctrl+Q.
# Usage: end_to_end.sh PROGRAM WINDOW_FACTS
set -euo pipefail
program=$1
source "$(dirname "$0")/../../support/window.sh"
on_virtual_display 800x600 "$@"
load_facts "$2"

start() {
    "$program" &
    pid=$!
    trap 'kill $pid 2>/dev/null || true' EXIT
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "$caption_pattern" | head -1)
    sleep 0.5
}

start

# Clicks the middle of a control.
click() { xdotool mousemove --window "$window" $(centre "$1") click 1; sleep 0.1; }
replace() { click "$1"; xdotool key --clearmodifiers ctrl+a; xdotool type --delay 20 -- "$2"; }

replace 'Text3(0)' "25"
replace Combo2 "KN.m"
xdotool key Return
sleep 0.3
click 'Text3(1)'           # the first moment result, in Kgf.mm
xdotool key --clearmodifiers ctrl+a ctrl+c
sleep 0.3
shown=$(timeout 5 xclip -o -selection clipboard)
if [ "$shown" != "2500000" ]; then
    echo "expected 2500000 Kgf.mm, read '$shown'"
    exit 1
fi

click Command2             # Sai
ended "Sai"
start
click 'Text1(0)'           # into the force input, so the window has the keyboard
xdotool key --clearmodifiers ctrl+q
ended "Ctrl+Q"
echo "end to end: 25 KN.m shows 2500000 Kgf.mm; Sai and Ctrl+Q end the program"
