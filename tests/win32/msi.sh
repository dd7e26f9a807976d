#!/usr/bin/env bash
# The MSI under Wine, as an office's IT would use it: a silent install puts
# the program in Program Files with a Start-menu shortcut and one entry among
# the installed programs, and the program starts from there; a newer version
# installed over it leaves one entry and the newer exe; a silent uninstall
# leaves nothing behind.
# The per-user installer, run silently beside it, stops with its own status
# and installs nothing.
# Usage: msi.sh MSI NEWER_MSI EXE WINDOW_FACTS INSTALLER (EXE: the program
# the packages hold; the newer MSI's version is NEWER_VERSION, 1.01 unless
# set)
set -euo pipefail
msi=$(realpath "$1")
newer=$(realpath "$2")
exe=$(realpath "$3")
facts=$(realpath "$4")
installer=$(realpath "$5")
source "$(dirname "$0")/../../support/window.sh"
on_virtual_display 800x600 "$@"
source "$(dirname "$0")/wine.sh"
entries() { listed HKLM; }
folder=$(unix "%ProgramW6432%\\$name")
# Windows puts a per-machine shortcut in every user's Start menu; Wine's
# installer service puts it in the current user's.
shortcuts=("$(unix "%ProgramData%\\Microsoft\\Windows\\Start Menu\\Programs\\$name.lnk")"
           "$(unix "%APPDATA%\\Microsoft\\Windows\\Start Menu\\Programs\\$name.lnk")")
shortcut() { for s in "${shortcuts[@]}"; do [ -f "$s" ] && echo "$s"; done; true; }

wine msiexec /i "$msi" /qn || fail "msiexec /i ended with status $?"
[ -f "$folder/quintora.exe" ] || fail "no quintora.exe in $folder"
[ -n "$(shortcut)" ] || fail "no Start-menu shortcut at ${shortcuts[*]}"
[ "$(entries)" = "$version" ] || fail "installed programs list '$(entries)', not one $name $version"
status=0
wine "$installer" /S || status=$?
[ "$status" -eq 3 ] || fail "the per-user installer beside the MSI ended with status $status"
[ ! -e "$(unix "%LOCALAPPDATA%\\Programs\\$name")/quintora.exe" ] || fail "the per-user installer installed beside the MSI"
[ -n "$(shortcut)" ] || fail "the MSI's shortcut went when the per-user installer ran"
start "$folder/quintora.exe"
xdotool key --clearmodifiers alt+F4
ended "Alt+F4 in the program the MSI installed"

wine msiexec /i "$newer" /qn || fail "msiexec /i of the newer version ended with status $?"
[ "$(entries)" = "${NEWER_VERSION:-1.01}" ] || fail "after the upgrade, installed programs list '$(entries)'"
cmp -s "$folder/quintora.exe" "$exe" || fail "the upgrade left another quintora.exe"

wine msiexec /x "$newer" /qn || fail "msiexec /x ended with status $?"
[ ! -e "$folder" ] || fail "$folder is still there: $(ls "$folder")"
[ -z "$(shortcut)" ] || fail "the shortcut is still there: $(shortcut)"
[ -z "$(entries)" ] || fail "still listed among installed programs: $(entries)"
echo "MSI under Wine: installs silently per machine with shortcut and entry; the program starts;" \
    "a newer version replaces it; the uninstall leaves nothing"
