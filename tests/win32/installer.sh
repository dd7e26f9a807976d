#!/usr/bin/env bash
# The installer under Wine: installs silently for the user, without
# administrator rights; the exe, its Start-menu shortcut and its entry among
# the installed programs are in place; the installed exe starts; and the
# uninstaller removes all of it.
# Usage: installer.sh INSTALLER_EXE
set -euo pipefail
installer=$(realpath "$1")
[ -n "${INSTALLER_INNER:-}" ] || exec env INSTALLER_INNER=1 xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"
source "$(dirname "$0")/wine.sh"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quintora 2'
unix() { winepath -u "$(wine cmd /c echo "$1" | tr -d '\r"')"; }
value() { wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v name="$1" '$1 == name {$1 = $2 = ""; print substr($0, 3)}'; }

wine "$installer" /S || fail "the installer ended with status $?"
folder=$(unix '%LOCALAPPDATA%\Programs\Quintora 2')
shortcut=$(unix '%APPDATA%\Microsoft\Windows\Start Menu\Programs\Quintora 2.lnk')
[ -f "$folder/quintora.exe" ] || fail "no quintora.exe in $folder"
[ -f "$folder/LEIA-ME.txt" ] || fail "no LEIA-ME.txt in $folder"
[ -f "$shortcut" ] || fail "no Start-menu shortcut at $shortcut"
[ "$(value DisplayName)" = "Quintora 2" ] || fail "listed as '$(value DisplayName)'"
[ "$(value DisplayVersion)" = "1.00" ] || fail "listed with version '$(value DisplayVersion)'"
[[ "$(value DisplayIcon)" == *'\quintora.exe,0' ]] || fail "listed with icon '$(value DisplayIcon)'"

start "$folder/quintora.exe"
xdotool key --clearmodifiers alt+F4
ended "Alt+F4 in the installed program"

uninstaller=$(value UninstallString | tr -d '"')
wine "$uninstaller" /S || fail "the uninstaller ended with status $?"
# The uninstaller runs on from a copy of itself, and removes the original.
for _ in $(seq 100); do [ -e "$folder" ] || break; sleep 0.2; done
[ ! -e "$folder" ] || fail "$folder is still there: $(ls "$folder")"
[ ! -e "$shortcut" ] || fail "the shortcut is still there"
[ -z "$(value DisplayName)" ] || fail "still listed among installed programs"
echo "installer under Wine: installs for the user, with shortcut and entry; the program starts;" \
    "the uninstaller removes everything"
