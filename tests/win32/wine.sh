# Sourced by the Wine tests: starting quintora.exe and waiting for its end.
caption='^Quintora 2 \(Darvello\)$'
# A Wine server left from a test without a display would keep the windows
# off this one.
wineserver -k 2>/dev/null || true
# Xvfb runs no window manager: Wine draws the windows' frames itself and
# gives them the focus, as Windows does.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# At 100 %, whatever a test before left.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1

# Starts an exe and waits for its window; sets pid, window, and left and top,
# where the client area of client_width x client_height (430 x 350 unless
# set) sits within the frame.
start() {
    wine "$1" &
    pid=$!
    trap 'kill $pid 2>/dev/null || true' EXIT
    # Searched for until found and settled; a search fails when a window it
    # lists, such as one of the last program's, goes away meanwhile. A first
    # start in a new Wine prefix on a slow machine can take minutes.
    local geometry="" tries=0
    until [ -n "$geometry" ] || [ $tries -ge 450 ]; do
        sleep 0.4
        tries=$((tries + 1))
        window=$(xdotool search --onlyvisible --name "$caption" 2>/dev/null | head -1) || true
        [ -n "$window" ] && geometry=$(xdotool getwindowgeometry --shell "$window" 2>/dev/null) || true
    done
    [ -n "$geometry" ] || { shown_windows; fail "no window of $1"; }
    eval "$geometry"
    left=$(((WIDTH - ${client_width:-430}) / 2))
    top=$((HEIGHT - ${client_height:-350} - left))
}
# Waits for the program to end, which it must do with status 0.
ended() {
    local status=0
    timeout 20 tail --pid=$pid -f /dev/null || { echo "$1 did not end the program"; exit 1; }
    wait $pid || status=$?
    trap - EXIT
    [ "$status" -eq 0 ] || { echo "$1 ended the program with status $status"; exit 1; }
}
fail() { echo "FAILED: $*"; exit 1; }
# What is on the display and which Wine processes run, for a failure's report.
shown_windows() {
    echo "windows shown:"
    local w
    for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        echo "  $(xdotool getwindowname "$w" 2>/dev/null)"
    done
    kill -0 "$pid" 2>/dev/null && echo "the program still runs" || echo "the program has ended"
    ps -eo pid,etimes,args | grep -i '[.]exe' || true
}
