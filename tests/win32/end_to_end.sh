#!/usr/bin/env bash
# Drives quintora.exe under Wine on Xvfb with real X input, for what only the
# Windows program has (what every front end does is in tests/scenarios.txt):
# "/?" on the command line, the note of a marked box moving with the window,
# the close box ending it with status 0, and a file dropped on it that still
# opens the window.
# Usage: end_to_end.sh QUINTORA_EXE WINDOW_FACTS
set -euo pipefail
exe=$1 facts=$2
source "$(dirname "$0")/../../support/window.sh"
on_virtual_display 800x600 "$@"
source "$(dirname "$0")/wine.sh"

# Clicks the middle of a control.
click() {
    local x y
    read -r x y <<<"$(centre "$1")"
    xdotool mousemove --window "$window" $((left + x)) $((top + y)) click 1
    sleep 0.1
}
replace() { click "$1"; xdotool key --clearmodifiers ctrl+a; xdotool type --delay 20 -- "$2"; }
expect() { [ "$2" = "$3" ] || fail "$1: expected '$3', read '$2'"; }

# "/?" answers on the command line, as Windows users type it.
expect "quintora /?" "$(wine "$exe" /? | tr -d '\r' | head -1)" "Uso: quintora [OPÇÃO]..."

start "$exe"
replace 'Text1(0)' "12.5kN"
xdotool key Return
sleep 0.5
click 'Text1(0)'
note_covers_nothing 'Text1(0)'
xdotool key --clearmodifiers alt+F4
ended "Alt+F4"
start "$exe"
xdotool mousemove --window "$window" $((WIDTH - 14)) $((top / 2)) click 1 # the close box
ended "the close box"

# A file dropped on the program, started as Explorer starts it (no console,
# no standard handles), opens the window all the same.
wine start /unix "$(realpath "$exe")" planilha.txt </dev/null >/dev/null 2>&1
shown=""
for _ in $(seq 100); do
    shown=$(xdotool search --onlyvisible --name "$caption_pattern" 2>/dev/null | head -1) && [ -n "$shown" ] && break
    sleep 0.2
done
[ -n "$shown" ] || fail "a dropped file kept the window from opening"
eval "$(xdotool getwindowgeometry --shell "$shown")"
[ "$WIDTH" -ge "$(client | cut -d' ' -f1)" ] || fail "a dropped file opened a message, not the window"
xdotool windowfocus --sync "$shown" key --clearmodifiers alt+F4
for _ in $(seq 50); do xdotool search --onlyvisible --name "$caption_pattern" >/dev/null 2>&1 || break; sleep 0.2; done
echo "end to end under Wine: /?, a note that moves with the window, the close box and a dropped file"
