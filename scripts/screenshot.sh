#!/usr/bin/env bash
# Remakes the README's screenshots from the real programs, after "=" with the
# window's initial contents: docs/screenshot.png (Linux, under Xvfb),
# docs/screenshot-windows.png (the Windows program under Wine, on Xvfb, at
# 96 dpi, and docs/screenshot-windows-192dpi.png at 192 dpi) and
# docs/screenshot-web.png (the web page as a phone shows it). Builds them first.
set -euo pipefail
cd "$(dirname "$0")/.."
source support/window.sh
if [ -z "${QUINTORA_ON_DISPLAY:-}" ]; then
    source scripts/deps.sh
    install_missing "${build_packages[@]}" "${windows_packages[@]}" "${display_packages[@]}" \
        "${web_packages[@]}" "${browser_packages[@]}"
    build_preset package --target quintora window_facts
    bash scripts/windows.sh >/dev/null
    bash scripts/web.sh >/dev/null
    /usr/bin/python3 scripts/web_screenshot.py build/web/site
    export QT_QPA_PLATFORM=xcb
    on_virtual_display 1024x800 "$@"
fi
mkdir -p docs
load_facts build/package/window_facts.sh

# Shows one program's window, presses "=" and saves the window.
shoot() {
    local out=$1
    shift
    "$@" &
    local pid=$!
    local window
    window=$(timeout 60 xdotool search --sync --onlyvisible --name "$caption_pattern" | head -1)
    sleep 1
    xdotool mousemove 1023 799 windowfocus --sync "$window" key Return
    sleep 0.5
    import -window "$window" "$out"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$out remade"
}
shoot docs/screenshot.png ./build/package/app/quintora
export WINEPREFIX=$PWD/build/windows/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
shoot docs/screenshot-windows.png wine build/windows/app/quintora.exe
wineserver -k || true
# The same at 192 dpi (200 %), as a high-dpi screen shows it.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1
shoot docs/screenshot-windows-192dpi.png wine build/windows/app/quintora.exe
wineserver -k || true
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
wineserver -k || true
convert docs/screenshot.png docs/screenshot-windows.png -background '#202020' -splice 10x0 +append \
    docs/screenshot-side-by-side.png
echo "docs/screenshot-side-by-side.png remade"
