#!/usr/bin/env bash
# The real program's command line, with no display to open a window on:
# --version and --help answer on standard output and exit 0, Qt's own options
# pass, and an unknown option gives an error line and the --help hint on
# standard error, and exit status 2.
# Usage: command_line.sh PROGRAM WINDOW_FACTS
set -uo pipefail
program=$1
source "$2"
unset DISPLAY WAYLAND_DISPLAY
fail() { echo "$*"; exit 1; }

out=$("$program" --version) || fail "--version exited $?"
[ "$(head -1 <<<"$out")" = "quintora ($name) $version" ] || fail "--version said: $out"
out=$("$program" -platform offscreen --help) || fail "--help exited $?"
grep -q '^Uso: quintora \[OPÇÃO\]\.\.\.$' <<<"$out" || fail "--help said: $out"
grep -q -- '--version' <<<"$out" || fail "--help does not list --version"

errors=$(mktemp)
out=$("$program" --bogus 2>"$errors")
status=$?
err=$(cat "$errors"); rm -f "$errors"
[ "$status" -eq 2 ] || fail "--bogus exited $status"
[ -z "$out" ] || fail "--bogus wrote to standard output: $out"
[ "$err" = "quintora: opção desconhecida: '--bogus'
Experimente 'quintora --help' para mais informações." ] || fail "--bogus said: $err"
echo "command line: --version, --help and an unknown option answer as they should"
