#!/bin/bash
# --plot: the picture of the last graph command is written whole, at the
# size asked for, while the lines print as ever; without a picture to write
# (no graph command, a failing one, a file that cannot be made) the exit
# status is 2, the reason is on stderr and no file is left behind.
# Usage: plot.sh PATH-TO-CLI
set -u
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; echo "--- stdout"; cat "$dir/out"; echo "--- stderr"; cat "$dir/err"; exit 1; }
run() { "$cli" --dir "$dir" "$@" >"$dir/out" 2>"$dir/err"; }

# A polar plot, then a 2D graph: the 2D graph is drawn, at 120x80.
run --plot "$dir/a.svg" --size 120x80 'graphpolar(1)' '1+1' 'graph2d(x>0;-1;1)'
[[ $? == 0 ]] || fail "accepted command: exit status"
[[ "$(cat "$dir/out")" == $'\n2' ]] || fail "accepted command: lines"
[[ -s "$dir/a.svg" && ! -e "$dir/a.svg.tmp" ]] || fail "accepted command: file"
grep -q 'width="120" height="80"' "$dir/a.svg" || fail "size"
[[ $(grep -c '<polyline' "$dir/a.svg") == 1 && $(grep -c '<text' "$dir/a.svg") == 2 ]] ||
  fail "a 2D graph has one curve and two labels"
grep -q '>1</text>' "$dir/a.svg" && grep -q '>0</text>' "$dir/a.svg" || fail "labels"

# The default size is the window's drawing area; a surface is paths.
run --plot "$dir/b.svg" 'graph3d(x*y;-1;1;-1;1)'
[[ $? == 0 ]] && grep -q 'width="430" height="229"' "$dir/b.svg" &&
  grep -q '<path' "$dir/b.svg" || fail "surface at the default size"

# Failing: the message is printed as a line and said again on stderr; an
# earlier accepted command does not stand in for the failing one, and the
# file that was there stays as it was.
cp "$dir/a.svg" "$dir/c.svg"
run --plot "$dir/c.svg" 'graph2d(x;0;1)' 'graph2d(x;0;zz)'
[[ $? == 2 ]] || fail "failing command: exit status"
[[ "$(cat "$dir/out")" == $'\nCan`t evaluate the end point' ]] || fail "failing command: lines"
grep -q 'Can`t evaluate the end point' "$dir/err" || fail "failing command: stderr"
cmp -s "$dir/a.svg" "$dir/c.svg" && [[ ! -e "$dir/c.svg.tmp" ]] || fail "failing command: file changed"

run --plot "$dir/d.svg" '1+1'
[[ $? == 2 && ! -e "$dir/d.svg" ]] || fail "no graph command"
grep -q 'no graph command' "$dir/err" || fail "no graph command: stderr"

# Lines from standard input count as well.
echo 'graphpolar(phi;4*pi)' | "$cli" --dir "$dir" --plot "$dir/e.svg" >"$dir/out" 2>"$dir/err"
[[ $? == 0 && $(grep -c '<line' "$dir/e.svg") == 2 ]] || fail "polar from standard input"

run --plot "$dir/missing/f.svg" 'graph2d(x;0;1)'
[[ $? == 2 && -s "$dir/err" ]] || fail "unwritable file"

run --plot "$dir/g.png" 'graph2d(x;0;1)'
[[ $? == 2 && ! -e "$dir/g.png" ]] && grep -q 'FILE.svg' "$dir/err" || fail "png says how to get SVG"

for bad in 0x10 10x 10x99999 axb; do
  run --size "$bad" --plot "$dir/h.svg" 'graph2d(x;0;1)'
  [[ $? == 2 && ! -e "$dir/h.svg" ]] || fail "--size $bad"
done

"$cli" --version >"$dir/out" && grep -qE '^vadaderivo-cli [0-9]+(\.[0-9]+)+$' "$dir/out" ||
  fail "--version"
"$cli" --help >"$dir/out" && grep -q -- '--plot FILE.svg' "$dir/out" && grep -q 'Exit status' "$dir/out" ||
  fail "--help"
echo ok
