#!/usr/bin/env bash
# Drives quintora.exe under Wine on Xvfb with real X input, reading the boxes
# back through the clipboard: the initial texts, the 31 results of "=", 25
# KN.m, an unknown unit marked with its row empty, an overflow message that
# is dismissed while the program goes on, and "Sai", Alt+F4 and the close box
# ending it with status 0.
# Usage: end_to_end.sh QUINTORA_EXE
set -euo pipefail
exe=$1
[ -n "${E2E_INNER:-}" ] || exec env E2E_INNER=1 xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"
source "$(dirname "$0")/wine.sh"

# Places in window pixels, from twips: the input row, and row i of a column.
input() { case $1 in force) echo 44 42 ;; moment) echo 172 42 ;; stress) echo 319 42 ;; esac; }
selector() { case $1 in force) echo 101 42 ;; moment) echo 235 42 ;; stress) echo 382 42 ;; esac; }
cell() { echo $((($1 + 500) / 15)) $(((840 + 285 * ($2 - 1) + 142) / 15)); }
column() { case $1 in force) echo 120 ;; forceUnit) echo 1215 ;; moment) echo 2040 ;;
                      momentUnit) echo 3135 ;; stress) echo 4250 ;; stressUnit) echo 5340 ;; esac; }

click() {
    local x y
    read -r x y <<<"$1"
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
# The texts of rows 1 to N of a column, joined by spaces.
read_rows() {
    local texts=() i
    for ((i = 1; i <= $2; i++)); do texts+=("$(read_box "$(cell "$(column "$1")" "$i")")"); done
    echo "${texts[*]}"
}
expect() { [ "$2" = "$3" ] || fail "$1: expected '$3', read '$2'"; }
# The colour of a pixel inside a box, right of its text, as "r,g,b".
colour_at() {
    local x y
    read -r x y <<<"$1"
    import -window "$window" -crop "1x1+$((left + x + 20))+$((top + y))" \
        -format '%[fx:round(255*r)],%[fx:round(255*g)],%[fx:round(255*b)]' info:
}
messages() { xdotool search --onlyvisible --name "$caption" 2>/dev/null | grep -vc "^$window$" || true; }

# "/?" answers on the command line, as Windows users type it.
expect "quintora /?" "$(wine "$exe" /? | tr -d '\r' | head -1)" "Uso: quintora [OPÇÃO]..."

start "$exe"
expect "force input" "$(read_box "$(input force)")" "1"
expect "moment selector" "$(read_box "$(selector moment)")" "Kgf.mm"
expect "stress unit 13" "$(read_box "$(cell 5340 13)")" "MPa"
expect "force outputs before =" "$(read_rows force 4)" "   "

xdotool key Return
sleep 0.5
expect "force" "$(read_rows force 4)" "1 0.001 10 0.01"
expect "moment" "$(read_rows moment 12)" "1 0.1 0.001 0.001 0.0001 1E-06 10 1 0.01 0.01 0.001 1E-05"
expect "stress" "$(read_rows stress 15)" \
    "1 100 1000000 0.001 0.1 1000 10 1000 10000000 0.01 1 10000 10 10000 10000000"

replace "$(input moment)" "25"
replace "$(selector moment)" "KN.m"
xdotool key Return
sleep 0.5
expect "25 KN.m" "$(read_rows moment 12)" "2500000 250000 2500 2500 250 2.5 25000000 2500000 25000 25000 2500 25"

replace "$(cell 3135 3)" "xyz"
xdotool key Return
sleep 0.5
expect "row of an unknown unit" "$(read_box "$(cell 2040 3)")" ""
expect "the row after it" "$(read_box "$(cell 2040 4)")" "2500"
expect "an unknown unit's mark" "$(colour_at "$(cell 3135 3)")" "255,192,192"
expect "a known unit's grey" "$(colour_at "$(cell 3135 4)")" "192,192,192"

replace "$(input force)" "1e400"
xdotool key Return
for _ in $(seq 50); do [ "$(messages)" -ge 1 ] && break; sleep 0.1; done
[ "$(messages)" -ge 1 ] || fail "no message for an overflow"
sleep 0.5
xdotool key Return # the message has the focus, and OK is its default button
sleep 0.5
[ "$(messages)" -eq 0 ] || fail "the message was not dismissed"
kill -0 $pid || fail "the program ended after the message"
expect "the overflowed input's mark" "$(colour_at "$(input force)")" "255,192,192"
replace "$(input force)" "-2"
replace "$(selector force)" "KN"
xdotool key Return
sleep 0.5
expect "after the message" "$(read_box "$(cell 120 1)")" "-200"

click "60 310" # Sai
ended "Sai"
start "$exe"
xdotool key --clearmodifiers alt+F4
ended "Alt+F4"
start "$exe"
xdotool mousemove --window "$window" $((WIDTH - 14)) $((top / 2)) click 1 # the close box
ended "the close box"
echo "end to end under Wine: initial texts, the 31 results, 25 KN.m, an unknown unit, an overflow" \
    "message, Sai, Alt+F4 and the close box"
