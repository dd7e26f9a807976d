#!/usr/bin/env bash
# Drives quintora.exe under Wine on Xvfb with real X input, reading the boxes
# back through the clipboard: the initial texts, the 31 results of "=", 25
# KN.m, an unknown unit marked with its row empty, an overflow message that
# is dismissed while the program goes on and the note of the marked box, a
# pasted column of cells, a unit list opened and closed, all results copied,
# a click and typing after a refused copy reaching their box, "Sai", Alt+F4 and the close box ending it with status 0, and a file
# dropped on it that still opens the window.
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
# The text of a box, through the clipboard; empty when the copy left the
# clipboard as it was.
read_box() {
    echo -n "(nothing)" | xclip -selection clipboard >/dev/null 2>&1
    click "$1"
    xdotool key --clearmodifiers ctrl+a ctrl+c
    sleep 0.2
    local text
    text=$(timeout 5 xclip -o -selection clipboard)
    [ "$text" = "(nothing)" ] && text=""
    echo "$text"
}
# The texts of rows 1 to N of a column of boxes, joined by spaces.
read_rows() {
    local texts=() i
    for ((i = 1; i <= $2; i++)); do texts+=("$(read_box "$1($i)")"); done
    echo "${texts[*]}"
}
expect() { [ "$2" = "$3" ] || fail "$1: expected '$3', read '$2'"; }
# The colour of a pixel inside a box, right of its text, as "r,g,b".
colour_at() {
    local x y
    read -r x y <<<"$(centre "$1")"
    import -window "$window" -crop "1x1+$((left + x + 20))+$((top + y))" \
        -format '%[fx:round(255*r)],%[fx:round(255*g)],%[fx:round(255*b)]' info:
}
messages() { xdotool search --onlyvisible --name "$caption_pattern" 2>/dev/null | grep -vc "^$window$" || true; }

# "/?" answers on the command line, as Windows users type it.
expect "quintora /?" "$(wine "$exe" /? | tr -d '\r' | head -1)" "Uso: quintora [OPÇÃO]..."

start "$exe"
expect "force input" "$(read_box 'Text1(0)')" "1"
expect "moment selector" "$(read_box Combo2)" "Kgf.mm"
expect "stress unit 13" "$(read_box 'Text6(13)')" "MPa"
expect "force outputs before =" "$(read_rows Text1 4)" "   "

xdotool key Return
sleep 0.5
expect "force" "$(read_rows Text1 4)" "1 0.001 10 0.01"
expect "moment" "$(read_rows Text3 12)" "1 0.1 0.001 0.001 0.0001 1E-06 10 1 0.01 0.01 0.001 1E-05"
expect "stress" "$(read_rows Text5 15)" \
    "1 100 1000000 0.001 0.1 1000 10 1000 10000000 0.01 1 10000 10 10000 10000000"

replace 'Text3(0)' "25"
replace Combo2 "KN.m"
xdotool key Return
sleep 0.5
expect "25 KN.m" "$(read_rows Text3 12)" "2500000 250000 2500 2500 250 2.5 25000000 2500000 25000 25000 2500 25"

replace 'Text4(3)' "xyz"
xdotool key Return
sleep 0.5
expect "row of an unknown unit" "$(read_box 'Text3(3)')" ""
expect "the row after it" "$(read_box 'Text3(4)')" "2500"
expect "an unknown unit's mark" "$(colour_at 'Text4(3)')" "255,192,192"
expect "a known unit's grey" "$(colour_at 'Text4(4)')" "192,192,192"

replace 'Text1(0)' "1e400"
xdotool key Return
for _ in $(seq 50); do [ "$(messages)" -ge 1 ] && break; sleep 0.1; done
[ "$(messages)" -ge 1 ] || fail "no message for an overflow"
sleep 0.5
xdotool key Return # the message has the focus, and OK is its default button
sleep 0.5
[ "$(messages)" -eq 0 ] || fail "the message was not dismissed"
kill -0 $pid || fail "the program ended after the message"
expect "the overflowed input's mark" "$(colour_at 'Text1(0)')" "255,192,192"
click 'Text1(0)'
note_covers_nothing 'Text1(0)'
replace 'Text1(0)' "-2"
replace Combo1 "KN"
xdotool key Return
sleep 0.5
expect "after the message" "$(read_box 'Text1(1)')" "-200"

# A column of three cells pasted gives its first, marked; the unit list
# opened and closed keeps an exact typed unit; all results go on the
# clipboard as text and as HTML.
printf '1\n2\n3\n' | xclip -selection clipboard >/dev/null 2>&1
click 'Text5(0)'
xdotool key --clearmodifiers ctrl+a ctrl+v
replace Combo2 "KN.m"
xdotool key Return F4
sleep 0.3
xdotool key F4
sleep 0.3
expect "a result of a pasted column" "$(read_box 'Text5(1)')" "1"
expect "a typed unit after its list" "$(read_box Combo2)" "KN.m"
expect "a pasted column's mark" "$(colour_at 'Text5(0)')" "255,192,192"
expect "a pasted column" "$(read_box 'Text5(0)')" "1"
replace 'Text5(0)' "1"
replace 'Text4(3)' "Kgf.m"
xdotool key Return ctrl+shift+c
sleep 0.5
targets=$(timeout 5 xclip -o -selection clipboard -t TARGETS)
grep -qx "text/html" <<<"$targets" || fail "no HTML on the clipboard: $targets"
expect "all results" "$(timeout 5 xclip -o -selection clipboard | head -2 | tr '\t\n' ' |')" \
    "Força: -2 KN|-200 Kgf|"

# The note of a refused copy lets a click and typing reach the box under it.
replace 'Text3(0)' "25" # the results are now out of date
click 'Text3(2)'
xdotool key --clearmodifiers ctrl+shift+c
sleep 0.3
click 'Text3(0)'
xdotool key --clearmodifiers End 7
expect "typing after a refused copy" "$(read_box 'Text3(0)')" "257"
expect "the box that had the focus" "$(read_box 'Text3(2)')" "250000"

click Command2 # Sai
ended "Sai"
start "$exe"
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
echo "end to end under Wine: initial texts, the 31 results, 25 KN.m, an unknown unit, an overflow" \
    "message, its note, a paste, a unit list, a copy, a refused copy, Sai, Alt+F4, the close box and a dropped file"
