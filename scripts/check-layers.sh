#!/usr/bin/env bash
# Fails when a source folder includes a folder of a higher layer. The layers
# are read from the README's layout section (the block between the
# "layers" markers): one line per layer, lowest first. A folder may include
# its own files and those of the folders on the lines above its own; folders
# on the same line do not include each other.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A rank
line_no=0
while read -r line; do
  [[ -z "$line" || "$line" == '```'* ]] && continue
  line_no=$((line_no + 1))
  for folder in $line; do rank[$folder]=$line_no; done
done < <(sed -n '/<!-- layers -->/,/<!-- \/layers -->/{//!p}' README.md)

if [[ ${#rank[@]} -eq 0 ]]; then
  echo "check-layers: no layer block in README.md" >&2
  exit 1
fi

# The folder an include names: "gui/window/x.h" is gui/window, "engine/x.h"
# (the core's own short form) is core/engine, a bare "x.h" none. Plain
# parameter expansion keeps this fast: no process per include.
include_folder() {
  local path=$1
  case "$path" in
    gui/*/*) local rest=${path#gui/}; folder="gui/${rest%%/*}" ;;
    */*) folder="core/${path%%/*}" ;;
    *) folder="" ;;
  esac
}

status=0
for folder_checked in "${!rank[@]}"; do
  [[ -d "src/$folder_checked" ]] || { echo "check-layers: src/$folder_checked does not exist" >&2; status=1; continue; }
  while IFS=: read -r file _ text; do
    [[ "$text" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]*)\" ]] || continue
    path=${BASH_REMATCH[1]}
    include_folder "$path"
    [[ -z "$folder" || "$folder" == "$folder_checked" || -z "${rank[$folder]:-}" ]] && continue
    if (( rank[$folder] >= rank[$folder_checked] )); then
      echo "$file includes \"$path\": $folder_checked may not depend on $folder" >&2
      status=1
    fi
  done < <(grep -rn '#[[:space:]]*include[[:space:]]*"' "src/$folder_checked" --include='*.h' --include='*.cpp' || true)
done
[[ $status -eq 0 ]] && echo "check-layers: every include runs down the layers"
exit $status
