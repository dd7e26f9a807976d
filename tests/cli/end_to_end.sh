#!/usr/bin/env bash
# The built quintora-cli as scripts use it: a pipe of a few lines answered
# a line each, with the exit code of the worst; an answer given before the
# input ends, to a script that waits for it; and the decimal comma of
# LC_ALL=pt_BR.UTF-8.
# Usage: end_to_end.sh QUINTORA_CLI
set -uo pipefail
cli=$1
fail() { echo "FAILED: $*"; exit 1; }

out=$(printf '25\n# momentos\n12.5\n12.5kN\n' | "$cli" --de KN.m --para Kgf.cm 2>/dev/null)
status=$?
[ "$out" = $'250000\n# momentos\n125000' ] || fail "the pipe gave: $out"
[ "$status" -eq 1 ] || fail "a line read only in part gave the exit code $status"

coproc quintora { "$cli" - --de KN.m --para Kgf.cm; }
echo 3 >&"${quintora[1]}"
read -t 10 -r answer <&"${quintora[0]}" || fail "no answer before the input ended"
[ "$answer" = 30000 ] || fail "3 KN.m gave $answer Kgf.cm"
exec {quintora[1]}>&-
wait "$quintora_PID" || fail "quintora-cli ended with $?"

out=$(LC_ALL=pt_BR.UTF-8 "$cli" 2,5 KN.m Tf.m) || fail "under pt_BR, 2,5 KN.m exited $?"
[ "$out" = "0,25" ] || fail "under pt_BR, 2,5 KN.m is $out Tf.m"
echo "quintora-cli: a pipe answered line by line, an answer before the input ends, the decimal comma"
