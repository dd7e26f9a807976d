# Sourced by the scripts that drive a real program's window on a virtual X
# display (the tests, the benchmarks and the screenshots):
#   on_virtual_display WxH ARGS...  runs the script again, with ARGS, under
#                                   xvfb-run on a screen of WxH, unless it
#                                   runs on one already
#   load_facts FILE                 the build's window_facts.sh: name,
#                                   caption, version, app_id, twips...; and
#                                   caption_pattern, the caption as a
#                                   regular expression, for xdotool
#   px TWIPS [DPI]                  pixels at DPI (96 unless given), rounded
#                                   as the window rounds them
#   centre NAME [DPI]               the middle of a control, "x y" in client
#                                   pixels
#   client [DPI]                    the client area's size, "width height"
#   ended WHAT                      waits for the program $pid to end, which
#                                   it must do with status 0
#   fail WHAT                       says what failed, keeps a picture of the
#                                   screen, and exits
on_virtual_display() {
    local size=$1
    shift
    [ -n "${QUINTORA_ON_DISPLAY:-}" ] ||
        exec env QUINTORA_ON_DISPLAY=1 xvfb-run -a -s "-screen 0 ${size}x24" "$0" "$@"
}
load_facts() {
    source "$1"
    caption_pattern="^$(sed 's/[][\.*^$()+?{}|]/\\&/g' <<<"$caption")\$"
}
px() { echo $((($1 * ${2:-96} + 720) / 1440)); }
centre() {
    local left top width height
    read -r left top width height <<<"${twips[$1]:?no control named $1}"
    echo "$(px $((left + width / 2)) "${2:-96}") $(px $((top + height / 2)) "${2:-96}")"
}
client() {
    local width height
    read -r width height <<<"$client_twips"
    echo "$(px "$width" "${1:-96}") $(px "$height" "${1:-96}")"
}
ended() {
    local status=0
    timeout 20 tail --pid="$pid" -f /dev/null || fail "$1 did not end the program"
    wait "$pid" || status=$?
    trap - EXIT
    [ "$status" -eq 0 ] || fail "$1 ended the program with status $status"
}
fail() {
    echo "FAILED: $*"
    local shot=/tmp/quintora-failure-$$.png
    [ -n "${DISPLAY:-}" ] && import -window root "$shot" 2>/dev/null && echo "the screen then: $shot"
    exit 1
}
