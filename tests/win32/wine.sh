# Sourced by the Wine tests, with `facts` naming the build's window_facts.sh,
# after support/window.sh: starting quintora.exe, and what Wine tells of
# what it installed.
load_facts "$facts"
# A Wine server left from a test without a display would keep the windows
# off this one.
wineserver -k 2>/dev/null || true
# Xvfb runs no window manager: Wine draws the windows' frames itself and
# gives them the focus, as Windows does.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# At 100 %, whatever a test before left.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1

# Starts an exe and waits for its window; sets pid, window, and left and top,
# where the client area (at dpi, 96 unless set) sits within the frame.
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
        window=$(xdotool search --onlyvisible --name "$caption_pattern" 2>/dev/null | head -1) || true
        [ -n "$window" ] && geometry=$(xdotool getwindowgeometry --shell "$window" 2>/dev/null) || true
    done
    [ -n "$geometry" ] || { shown_windows; fail "no window of $1"; }
    eval "$geometry"
    local client_width client_height
    read -r client_width client_height <<<"$(client "${dpi:-96}")"
    left=$(((WIDTH - client_width) / 2))
    top=$((HEIGHT - client_height - left))
}
# A Windows path, with its variables, as a path here.
unix() { winepath -u "$(wine cmd /c echo "$1" | tr -d '\r"')"; }
# The versions of the program listed among the installed programs of HKCU
# or HKLM, one a line.
listed() {
    wine reg query "$1\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s 2>/dev/null |
        tr -d '\r' | awk -v product="$name" '/^HKEY/ {shown = ""; version = ""}
            $1 == "DisplayName" {$1 = $2 = ""; shown = substr($0, 3)}
            $1 == "DisplayVersion" {version = $3}
            shown == product && version != "" {print version; shown = ""; version = ""}'
}
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
