#!/bin/sh
# Lines per second of the command line: the CLI binary fed 100,000 lines
# on standard input (a mix of arithmetic, functions, powers and variable
# use), timed in CPU time (user + system) and on the clock.
#   bench/cli_lines.sh [path/to/vadaderivo-cli] [lines]
set -eu
cli=${1:-build/bin/vadaderivo-cli}
count=${2:-100000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk -v n="$count" 'BEGIN {
  split("1+2*3-4/5+%d|sin(%d)+cos(%d)*tan(%d/3)|(%d+1)**3-%d**2|x=%d|x*x+2*x-%d|sqrt(%d+1)*exp(%d/100)|ln(%d+2)+log(%d+3)", f, "|");
  for (i = 0; i < n; i++) {
    k = i % 7 + 1; v = i % 1000;
    line = f[k]; gsub(/%d/, v, line); print line;
  }
}' > "$work/lines.txt"
start=$(date +%s.%N)
/usr/bin/env time -f '%U %S' -o "$work/cpu" "$cli" --dir "$work" < "$work/lines.txt" > "$work/out.txt"
end=$(date +%s.%N)
read -r user sys < "$work/cpu"
results=$(wc -l < "$work/out.txt")
awk -v n="$count" -v u="$user" -v s="$sys" -v a="$start" -v b="$end" -v r="$results" 'BEGIN {
  cpu = u + s; wall = b - a;
  printf "%d lines (%d result lines): %.2f s CPU (user %.2f, system %.2f), %.2f s on the clock\n", n, r, cpu, u, s, wall;
  printf "%.0f lines per second of CPU time, %.0f per second on the clock\n", n / cpu, n / wall;
}'
