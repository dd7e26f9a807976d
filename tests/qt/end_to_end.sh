#!/usr/bin/env bash
# Drives the real program under Xvfb with real X input: types 25 KN.m, presses
# "=", reads a result back through the clipboard, then presses "Sai"; starts
# it again and ends it with Ctrl+Q.
set -euo pipefail
program=$1
[ -n "${E2E_INNER:-}" ] || exec env E2E_INNER=1 xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"

start() {
    "$program" &
    pid=$!
    trap 'kill $pid 2>/dev/null || true' EXIT
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quintora 2 \(Darvello\)$' | head -1)
    sleep 0.5
}
# Waits for the program to end, which it must do with status 0.
ended() {
    local status=0
    timeout 10 tail --pid=$pid -f /dev/null || { echo "$1 did not end the program"; exit 1; }
    wait $pid || status=$?
    trap - EXIT
    [ "$status" -eq 0 ] || { echo "$1 ended the program with status $status"; exit 1; }
}

start

# Clicks the middle of a control given its place in pixels within the window.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.1; }
replace() { click "$1" "$2"; xdotool key --clearmodifiers ctrl+a; xdotool type --delay 20 -- "$3"; }

replace 150 42 "25"        # moment input
replace 225 42 "KN.m"      # moment selector
xdotool key Return
sleep 0.3
click 160 66               # first moment result, Kgf.mm
xdotool key --clearmodifiers ctrl+a ctrl+c
sleep 0.3
shown=$(timeout 5 xclip -o -selection clipboard)
if [ "$shown" != "2500000" ]; then
    echo "expected 2500000 Kgf.mm, read '$shown'"
    exit 1
fi

click 60 310               # Sai
ended "Sai"
start
click 60 42                # into the force input, so the window has the keyboard
xdotool key --clearmodifiers ctrl+q
ended "Ctrl+Q"
echo "end to end: 25 KN.m shows 2500000 Kgf.mm; Sai and Ctrl+Q end the program"
