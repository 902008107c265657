#!/usr/bin/env bash
# Keeps the Russian texts of the window in step with its sources. The texts
# of src/gui/<folder> live in resources/translations/<folder>_ru.ts; a folder
# without translatable texts has no such file.
#
#   translations.sh update [lupdate]   refreshes the files from the sources
#   translations.sh check [lupdate]    fails when a file holds an unfinished
#                                      or obsolete message, or when lupdate
#                                      would add a message to it
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-}
lupdate=${2:-lupdate}
if [[ "$mode" != check && "$mode" != update ]]; then
  echo "usage: $0 check|update [lupdate]" >&2
  exit 2
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Runs lupdate over one folder into `ts`; its warnings (a class it cannot
# place, a text it cannot read) go to the log.
scan() {
  local dir=$1 ts=$2
  "$lupdate" -silent -locations none -no-ui-lines -target-language ru_RU \
    -I src -I src/core "$dir" -ts "$ts" 2>"$scratch/log" || { cat "$scratch/log" >&2; return 1; }
}

count() { grep -c "$1" "$2" || true; }

status=0
for dir in src/gui/*/; do
  dir=${dir%/}
  folder=$(basename "$dir")
  ts=resources/translations/${folder}_ru.ts
  work=$scratch/${folder}_ru.ts
  [[ -f "$ts" ]] && cp "$ts" "$work"
  scan "$dir" "$work"
  if [[ -s "$scratch/log" ]]; then
    sed "s|^|$folder: |" "$scratch/log" >&2
    status=1
  fi
  messages=$(count '<message' "$work")
  if [[ "$mode" == update ]]; then
    # A folder that has nothing to translate gets no file.
    if [[ -f "$ts" || "$messages" -gt 0 ]]; then
      cp "$work" "$ts"
      echo "$ts: $messages messages"
    fi
    continue
  fi
  unfinished=$(count 'type="unfinished"' "$work")
  obsolete=$(count 'type="\(vanished\|obsolete\)"' "$work")
  if [[ "$unfinished" -gt 0 || "$obsolete" -gt 0 ]]; then
    echo "$ts: $unfinished unfinished (new or untranslated), $obsolete obsolete;" \
      "run the update_translations target and finish the file" >&2
    grep -B1 'type="\(unfinished\|vanished\|obsolete\)"' "$work" | grep '<source>' | sed 's/^ */  /' >&2
    status=1
  fi
done

# A file whose folder is gone would be compiled in for nothing.
for ts in resources/translations/*_ru.ts; do
  folder=$(basename "$ts" _ru.ts)
  if [[ ! -d "src/gui/$folder" ]]; then
    echo "$ts: no folder src/gui/$folder" >&2
    status=1
  fi
done

[[ "$mode" == check && $status -eq 0 ]] && echo "translations: every text of the window is translated, none is left over"
exit $status
