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
# The note of a marked box, which has the focus, at `dpi`: it stands inside
# the window where it covers no result box, and moves with the window. The
# window's client area is taken with the note and without it (Tab moves the
# focus to a box that needs no look), and the two differ where the note is:
# above the input row, in none of the result boxes. Dragged by its title
# bar, the window shows its note where it was in it.
# Usage: note_covers_nothing CONTROL
note_covers_nothing() {
    local shots w h band results name l t bw bh x y
    shots=$(mktemp -d)
    read -r w h <<<"$(client "${dpi:-96}")"
    xdotool mousemove 0 0 # no hovered tooltip in the way
    client_shot() { import -window root -crop "${w}x${h}+$((WX + left))+$((WY + top))" +repage "$shots/$1.png"; }
    differ() { compare -metric AE "$shots/$1.png[$3]" "$shots/$2.png[$3]" null: 2>&1 || true; }
    eval "$(xdotool getwindowgeometry --shell "$window" | sed 's/^X=/WX=/; s/^Y=/WY=/')"
    sleep 0.5
    client_shot with
    xdotool key Tab
    sleep 0.5
    client_shot without
    band="${w}x$(px 480 "${dpi:-96}")+0+0"
    [ "$(differ with without "$band")" -gt 0 ] || fail "no note of $1 above the input row"
    for name in "${!twips[@]}"; do
        [[ "$name" =~ ^Text[1-6]\([1-9][0-9]*\)$ ]] || continue
        read -r l t bw bh <<<"${twips[$name]}"
        x=$(px "$l" "${dpi:-96}") y=$(px "$t" "${dpi:-96}")
        results="$(( $(px $((l + bw)) "${dpi:-96}") - x ))x$(( $(px $((t + bh)) "${dpi:-96}") - y ))+$x+$y"
        [ "$(differ with without "$results")" -eq 0 ] || fail "the note of $1 covers $name"
    done
    xdotool key shift+Tab
    local before="$WX,$WY"
    xdotool mousemove $((WX + w / 2)) $((WY + top / 2)) mousedown 1 sleep 0.2 \
        mousemove_relative 30 20 sleep 0.2 mousemove_relative 30 20 sleep 0.2 mouseup 1
    xdotool mousemove 0 0
    sleep 0.8
    eval "$(xdotool getwindowgeometry --shell "$window" | sed 's/^X=/WX=/; s/^Y=/WY=/')"
    [ "$WX,$WY" != "$before" ] || fail "the window did not move"
    client_shot moved
    [ "$(differ with moved "$band")" -eq 0 ] || fail "the note of $1 did not move with the window"
    rm -rf "$shots"
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
