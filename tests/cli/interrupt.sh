#!/bin/bash
# Ctrl+C in the command-line program: during a line it stops that line, which
# shows "Interrupted", and the next line runs; at the prompt it ends the
# program by the signal (status 130 in the shell).
# Usage: interrupt.sh PATH-TO-CLI
set -u
set -m  # background jobs get Ctrl+C as a program run from a terminal does
cli=$1
dir=$(mktemp -d)
trap 'exec 3>&- 2>/dev/null; rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; echo "--- stderr"; cat "$dir/err" 2>/dev/null; exit 1; }

printf 'func spin(a)\nagain:\nintegral(%s;0;1;0)\ngoto again\nendfunc\n' "'sqrt(x)'" >"$dir/spin.usc"

"$cli" --dir "$dir" 'spin(1)' '1+1' >"$dir/out" 2>"$dir/err" &
pid=$!
sleep 0.5
kill -INT "$pid"
wait "$pid"
rc=$?
[ "$rc" -eq 0 ] || fail "a stopped line ended the program (status $rc)"
[ "$(cat "$dir/out")" = $'Interrupted\n2' ] || fail "output: $(cat "$dir/out")"

mkfifo "$dir/in"
"$cli" --dir "$dir" <"$dir/in" >"$dir/prompt" 2>"$dir/err" &
pid=$!
exec 3>"$dir/in"
echo '1+1' >&3
for _ in 1 2 3 4 5 6 7 8 9 10; do
  [ -s "$dir/prompt" ] && break
  sleep 0.1
done
kill -INT "$pid"
wait "$pid"
rc=$?
[ "$rc" -eq 130 ] || fail "Ctrl+C at the prompt: status $rc, expected 130"
[ "$(cat "$dir/prompt")" = "2" ] || fail "output before Ctrl+C: $(cat "$dir/prompt")"
echo ok
