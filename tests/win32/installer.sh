#!/usr/bin/env bash
# The installer under Wine: an older release is installed silently for the
# user, without administrator rights, and this one over it; then there is one
# entry among the installed programs, with this version and a size, the same
# folder holds the new exe and nothing the older release alone shipped, the
# shortcut is in place and the installed exe starts; and the uninstaller
# removes all of it, but a file of the user's in the same folder.
# Usage: installer.sh INSTALLER_EXE OLDER_INSTALLER_EXE EXE WINDOW_FACTS
# (the older installer's version is OLDER_VERSION)
set -euo pipefail
installer=$(realpath "$1")
older=$(realpath "$2")
exe=$(realpath "$3")
facts=$(realpath "$4")
source "$(dirname "$0")/../../support/window.sh"
on_virtual_display 800x600 "$@"
source "$(dirname "$0")/wine.sh"
key="HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$name"
value() { wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v name="$1" '$1 == name {$1 = $2 = ""; print substr($0, 3)}'; }

folder=$(unix "%LOCALAPPDATA%\\Programs\\$name")
wine "$older" /S || fail "the older installer ended with status $?"
[ -f "$folder/antigo.txt" ] && [ "$(value DisplayVersion)" = "$OLDER_VERSION" ] || fail "the older release is not installed"
wine "$installer" /S || fail "the installer ended with status $?"
entries=$(listed HKCU | wc -l)
[ "$entries" -eq 1 ] || fail "$entries entries among the installed programs after the upgrade"
[ ! -e "$folder/antigo.txt" ] || fail "the upgrade left a file the older release alone shipped"
cmp -s "$folder/quintora.exe" "$exe" || fail "the upgrade left another quintora.exe"
[ $(($(value EstimatedSize))) -gt 100 ] || fail "listed with size '$(value EstimatedSize)'"
shortcut=$(unix "%APPDATA%\\Microsoft\\Windows\\Start Menu\\Programs\\$name.lnk")
[ -f "$folder/quintora.exe" ] || fail "no quintora.exe in $folder"
[ -f "$folder/LEIA-ME.txt" ] || fail "no LEIA-ME.txt in $folder"
[ -f "$shortcut" ] || fail "no Start-menu shortcut at $shortcut"
[ "$(value DisplayName)" = "$name" ] || fail "listed as '$(value DisplayName)'"
[ "$(value DisplayVersion)" = "$version" ] || fail "listed with version '$(value DisplayVersion)'"
[[ "$(value DisplayIcon)" == *'\quintora.exe,0' ]] || fail "listed with icon '$(value DisplayIcon)'"

start "$folder/quintora.exe"
xdotool key --clearmodifiers alt+F4
ended "Alt+F4 in the installed program"

echo "o usuário guardou isto aqui" >"$folder/meu.txt"
uninstaller=$(value UninstallString | tr -d '"')
wine "$uninstaller" /S || fail "the uninstaller ended with status $?"
# The uninstaller runs on from a copy of itself, and removes the original.
for _ in $(seq 100); do [ "$(ls "$folder")" = meu.txt ] && break; sleep 0.2; done
[ "$(ls "$folder")" = meu.txt ] || fail "$folder holds '$(ls "$folder")', not just the user's file"
[ ! -e "$shortcut" ] || fail "the shortcut is still there"
[ -z "$(value DisplayName)" ] || fail "still listed among installed programs"
echo "installer under Wine: upgrades an older release in place, with one entry, shortcut and size;" \
    "the program starts; the uninstaller removes all it installed and nothing else"
