#!/usr/bin/env bash
# Runs every libFuzzer target for a long while, one after the other, and says
# per target how many inputs it tried and what it found. Not part of
# ./test.sh, whose fuzzing runs last seconds.
#
#   scripts/fuzz-long.sh [SECONDS_PER_TARGET] [TARGET...]
#
# SECONDS_PER_TARGET defaults to 600. TARGET names (lex_line, evaluate_line,
# ...) pick some targets; all of them run by default. The sanitizer build is
# made in build-fuzz (JOBS parallel jobs, default 2). Each target keeps its
# growing corpus in build-fuzz/corpus-<target>, outside git, seeded from
# fuzz/corpus/<target>; crashes, leaks, timeouts and out-of-memory inputs go
# to build-fuzz/findings-<target>/, the full log to build-fuzz/fuzz-<target>.log.
# Exit status 1 when any target found something.
set -euo pipefail
cd "$(dirname "$0")/.."

SECONDS_PER_TARGET=${1:-600}
shift || true
JOBS=${JOBS:-2}
BUILD=build-fuzz

if ! [[ $SECONDS_PER_TARGET =~ ^[0-9]+$ ]] || ((SECONDS_PER_TARGET == 0)); then
  echo "usage: $0 [SECONDS_PER_TARGET] [TARGET...]" >&2
  exit 2
fi

if [[ ! -f $BUILD/build.ninja ]]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DVR_FUZZ=ON -DVR_TESTS=OFF >/dev/null
fi
cmake --build "$BUILD" -j "$JOBS" >/dev/null

targets=("$@")
if ((${#targets[@]} == 0)); then
  for bin in "$BUILD"/bin/fuzz_*; do targets+=("$(basename "$bin")"); done
fi

found_any=0
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  bin=$BUILD/bin/fuzz_$name
  if [[ ! -x $bin ]]; then
    echo "fuzz_$name: no such target" >&2
    found_any=1
    continue
  fi
  corpus=$BUILD/corpus-$name
  findings=$BUILD/findings-$name
  log=$BUILD/fuzz-$name.log
  mkdir -p "$corpus" "$findings"
  seeds=()
  [[ -d fuzz/corpus/$name ]] && seeds=("fuzz/corpus/$name")
  before=$(find "$findings" -type f | wc -l)

  # A finding ends libFuzzer with a non-zero status; the summary below says
  # what it was, so the loop goes on to the next target.
  set +e
  "$bin" -max_total_time="$SECONDS_PER_TARGET" -max_len=4096 -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
    "$corpus" "${seeds[@]}" >"$log" 2>&1
  status=$?
  set -e

  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  files=$(find "$corpus" -type f | wc -l)
  after=$(find "$findings" -type f | wc -l)
  printf 'fuzz_%s: %s executions (%s/s), corpus %s inputs' \
    "$name" "${execs:-?}" "${rate:-?}" "$files"
  if ((after > before)) || ((status != 0)); then
    found_any=1
    printf ', FOUND (exit %s):\n' "$status"
    grep -m 3 -E '^==[0-9]+==ERROR|^SUMMARY|runtime error' "$log" | sed 's/^/    /' || true
    if ((after > before)); then
      ls -t "$findings" | head -n $((after - before)) | sed "s|^|    input: $findings/|"
    fi
    echo "    log: $log"
  else
    printf ', nothing found\n'
  fi
done
exit "$found_any"
