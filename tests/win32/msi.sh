#!/usr/bin/env bash
# The MSI under Wine, as an office's IT would use it: a silent install puts
# the program in Program Files with a Start-menu shortcut and one entry among
# the installed programs, and the program starts from there; a newer version
# installed over it leaves one entry and the newer exe; a silent uninstall
# leaves nothing behind.
# Usage: msi.sh MSI NEWER_MSI EXE (EXE: the program the packages hold)
set -euo pipefail
msi=$(realpath "$1")
newer=$(realpath "$2")
exe=$(realpath "$3")
[ -n "${MSI_INNER:-}" ] || exec env MSI_INNER=1 xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"
source "$(dirname "$0")/wine.sh"
unix() { winepath -u "$(wine cmd /c echo "$1" | tr -d '\r"')"; }
# The entries among the installed programs named Quintora 2, one version a line.
entries() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
        tr -d '\r' | awk '/^HKEY/ {name = ""} $1 == "DisplayName" {name = $3 " " $4}
                          $1 == "DisplayVersion" {version = $3}
                          name == "Quintora 2" && version != "" {print version; name = ""; version = ""}'
}
folder=$(unix '%ProgramW6432%\Quintora 2')
# Windows puts a per-machine shortcut in every user's Start menu; Wine's
# installer service puts it in the current user's.
shortcuts=("$(unix '%ProgramData%\Microsoft\Windows\Start Menu\Programs\Quintora 2.lnk')"
           "$(unix '%APPDATA%\Microsoft\Windows\Start Menu\Programs\Quintora 2.lnk')")
shortcut() { for s in "${shortcuts[@]}"; do [ -f "$s" ] && echo "$s"; done; true; }

wine msiexec /i "$msi" /qn || fail "msiexec /i ended with status $?"
[ -f "$folder/quintora.exe" ] || fail "no quintora.exe in $folder"
[ -n "$(shortcut)" ] || fail "no Start-menu shortcut at ${shortcuts[*]}"
[ "$(entries)" = "1.00" ] || fail "installed programs list '$(entries)', not one Quintora 2 1.00"
start "$folder/quintora.exe"
xdotool key --clearmodifiers alt+F4
ended "Alt+F4 in the program the MSI installed"

wine msiexec /i "$newer" /qn || fail "msiexec /i of the newer version ended with status $?"
[ "$(entries)" = "1.01" ] || fail "after the upgrade, installed programs list '$(entries)'"
cmp -s "$folder/quintora.exe" "$exe" || fail "the upgrade left another quintora.exe"

wine msiexec /x "$newer" /qn || fail "msiexec /x ended with status $?"
[ ! -e "$folder" ] || fail "$folder is still there: $(ls "$folder")"
[ -z "$(shortcut)" ] || fail "the shortcut is still there: $(shortcut)"
[ -z "$(entries)" ] || fail "still listed among installed programs: $(entries)"
echo "MSI under Wine: installs silently per machine with shortcut and entry; the program starts;" \
    "a newer version replaces it; the uninstall leaves nothing"
