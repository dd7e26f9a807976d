#!/usr/bin/env bash
# The real program on a real X server (Xvfb), driven by real X input for
# ACTIONS random actions: typing into boxes and selectors, "=", copies with
# rapid reads of the clipboard, pastes, overflow messages, close requests
# sent while a message is open, which must not close it, and now and then
# "Sai" or Ctrl+Q, after which the program is started again. The program must
# never end but when asked, and then with status 0.
# Usage: x11_soak.sh PROGRAM CLOSE_REQUEST WINDOW_FACTS [ACTIONS] [SEED]
set -euo pipefail
program=$1 close_request=$2 actions=${4:-150} seed=${5:-20261208}
export QT_QPA_PLATFORM=xcb
source "$(dirname "$0")/../../support/window.sh"
on_virtual_display 800x600 "$@"
load_facts "$3"
RANDOM=$seed

# The middles of the boxes: the inputs, the selectors, and every output and
# unit-name box.
boxes=() inputs=(0 1 2)
for name in 'Text1(0)' 'Text3(0)' 'Text5(0)' Combo1 Combo2 Combo3; do boxes+=("$(centre "$name")"); done
for name in $(printf '%s\n' "${!twips[@]}" | grep -E '^Text[1-6]\([1-9][0-9]*\)$' | sort -V); do
    boxes+=("$(centre "$name")")
done
texts=("25" "KN.m" "Kgf" "-2.5" "1e-5" "abc" "12.5kN" "MPa" "1e308" "Tf" "kgf" "3.14159265358979"
       "N/mm2" "" "1,5" "2 5" "Pa" "9e307")

pid=0 window=0 expected_end=0
started=0 presses=0 messages=0 closes_while_message=0 copies=0 reads=0 pastes=0 ends=0
start() {
    "$program" &
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "$caption_pattern" | head -1)
    started=$((started + 1))
    sleep 0.5 # a moment, as a person takes
}
fail() {
    echo "FAILED after $1: $2"
    import -window root "${SOAK_SHOT:-/tmp/x11_soak_failure.png}" 2>/dev/null || true
    echo "actions $n, starts $started, presses $presses, messages $messages"
    kill "$pid" 2>/dev/null || true
    exit 1
}
alive_or_fail() { kill -0 "$pid" 2>/dev/null || fail "$1" "the program ended unasked"; }
shown() { xdotool search --onlyvisible --name "$caption_pattern" 2>/dev/null | wc -l; }
click() { xdotool mousemove --window "$window" $1 click 1; }
pick() { echo $((RANDOM % $1)); }

# After "=": answers the error message if one opened, sometimes first asking
# the window behind it to close, which must not close it.
answer_message() {
    local waited=0
    while [ "$(shown)" -lt 2 ] && [ $waited -lt 10 ]; do sleep 0.1; waited=$((waited + 1)); done
    [ "$(shown)" -ge 2 ] || return 0
    messages=$((messages + 1))
    if [ "$(pick 2)" -eq 0 ]; then
        "$close_request" "$window"
        closes_while_message=$((closes_while_message + 1))
        sleep 0.2
        alive_or_fail "a close request during a message"
    fi
    local box
    box=$(xdotool search --onlyvisible --name "$caption_pattern" | grep -v "^$window$" | head -1)
    xdotool windowfocus --sync "$box" key Return
    sleep 0.2
    alive_or_fail "answering a message"
}

# Ends the program by "Sai" or by Ctrl+Q, and waits for it to end with 0.
end_program() {
    local status=0
    if [ "$(pick 2)" -eq 0 ]; then
        click "$(centre Command2)" # Sai
    else
        click "${boxes[0]}"
        xdotool key --clearmodifiers ctrl+q
    fi
    timeout 10 tail --pid="$pid" -f /dev/null || fail "$1" "the program did not end"
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "$1" "the program ended with status $status"
}

start
for ((n = 1; n <= actions; n++)); do
    case $(pick 8) in
    0 | 1) # type into a box or a selector
        click "${boxes[$(pick ${#boxes[@]})]}"
        xdotool key --clearmodifiers ctrl+a
        xdotool type --delay 5 -- "${texts[$(pick ${#texts[@]})]}"
        ;;
    2 | 3) # "="
        xdotool key Return
        presses=$((presses + 1))
        answer_message
        ;;
    4) # copy a box and read the clipboard in quick succession
        click "${boxes[$(pick ${#boxes[@]})]}"
        xdotool key --clearmodifiers ctrl+a ctrl+c
        copies=$((copies + 1))
        for _ in 1 2 3 4 5; do
            timeout 5 xclip -o -selection clipboard >/dev/null 2>&1 || true
            reads=$((reads + 1))
        done
        ;;
    5) # paste into a box
        click "${boxes[$(pick ${#boxes[@]})]}"
        xdotool key --clearmodifiers ctrl+a ctrl+v
        pastes=$((pastes + 1))
        ;;
    6) # an overflow, then the input made good again
        box=${boxes[${inputs[$(pick 3)]}]}
        click "$box"
        xdotool key --clearmodifiers ctrl+a
        xdotool type --delay 5 -- "1e400"
        xdotool key Return
        presses=$((presses + 1))
        answer_message
        click "$box"
        xdotool key --clearmodifiers ctrl+a
        xdotool type --delay 5 -- "1"
        ;;
    7) # now and then, end the program and start it again
        if [ "$(pick 6)" -eq 0 ]; then
            answer_message # one may still be on its way
            end_program "ending the program"
            ends=$((ends + 1))
            start
        fi
        ;;
    esac
    alive_or_fail "action $n"
done
answer_message
end_program "ending the program"
echo "x11 soak (seed $seed): $actions actions, $started starts, $presses presses of =," \
    "$messages error messages ($closes_while_message close requests while one was open)," \
    "$copies copies with $reads clipboard reads, $pastes pastes, $((ends + 1)) ends by Sai or" \
    "Ctrl+Q; the program never ended unasked"
