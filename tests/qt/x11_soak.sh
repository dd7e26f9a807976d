#!/usr/bin/env bash
# The real program on a real X server (Xvfb), driven by real X input for
# ACTIONS random actions: typing into boxes and selectors, "=", copies with
# rapid reads of the clipboard, pastes, overflow messages, close requests
# sent while a message is open, which must not close it, and now and then
# "Sai" or Ctrl+Q, after which the program is started again. The program must
# never end but when asked, and then with status 0.
# Usage: x11_soak.sh PROGRAM CLOSE_REQUEST [ACTIONS] [SEED]
set -euo pipefail
program=$1 close_request=$2 actions=${3:-150} seed=${4:-20261208}
[ -n "${SOAK_INNER:-}" ] || exec env SOAK_INNER=1 QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"
RANDOM=$seed
caption='^Quintora 2 \(Darvello\)$'

# Centres of the boxes in window pixels, from their places in twips: the
# inputs, the selectors' edit fields, and every output and unit-name box.
boxes=("$(((120 + 547) / 15)) 42" "$(((2040 + 547) / 15)) 42" "$(((4250 + 547) / 15)) 42"
       "$(((1215 + 300) / 15)) 42" "$(((3135 + 400) / 15)) 42" "$(((5340 + 400) / 15)) 42")
inputs=(0 1 2)
for column in "120 4" "1215 4" "2040 12" "3135 12" "4250 15" "5340 15"; do
    read -r left rows <<<"$column"
    for ((i = 1; i <= rows; i++)); do
        boxes+=("$(((left + 500) / 15)) $(((840 + 285 * (i - 1) + 142) / 15))")
    done
done
texts=("25" "KN.m" "Kgf" "-2.5" "1e-5" "abc" "12.5kN" "MPa" "1e308" "Tf" "kgf" "3.14159265358979"
       "N/mm2" "" "1,5" "2 5" "Pa" "9e307")

pid=0 window=0 expected_end=0
started=0 presses=0 messages=0 closes_while_message=0 copies=0 reads=0 pastes=0 ends=0
start() {
    "$program" &
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "$caption" | head -1)
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
shown() { xdotool search --onlyvisible --name "$caption" 2>/dev/null | wc -l; }
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
    box=$(xdotool search --onlyvisible --name "$caption" | grep -v "^$window$" | head -1)
    xdotool windowfocus --sync "$box" key Return
    sleep 0.2
    alive_or_fail "answering a message"
}

# Ends the program by "Sai" or by Ctrl+Q, and waits for it to end with 0.
end_program() {
    local status=0
    if [ "$(pick 2)" -eq 0 ]; then
        click "60 310" # Sai
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
