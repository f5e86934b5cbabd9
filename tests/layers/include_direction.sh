#!/bin/bash
# Every "folder/..." include in the sources against the table of allowed directions (include_layers.txt):
# prints file, line and include of each one that goes the wrong way, and of each folder the table lacks, and
# fails when there is any.
# Usage: include_direction.sh SOURCE_DIR [TABLE]
set -euo pipefail
source_dir=$1
table=${2:-$(dirname "$0")/include_layers.txt}

declare -A allowed
while IFS= read -r line; do
  line=${line%%#*}
  [[ $line == *:* ]] || continue
  folder=${line%%:*}
  allowed[${folder// /}]=" ${line#*:} "
done <"$table"

cd "$source_dir"
status=0
# The top-level folders that hold code (the presets' binary folders under build/ aside); a folder the table
# does not name is a fault of its own.
while IFS= read -r folder; do
  if [[ -z ${allowed[$folder]+set} ]]; then
    echo "$folder/: no line in $table"
    status=1
  fi
done < <(find . \( -path './.*' -o -path './build' \) -prune -o -path './*/*' -type f \
              \( -name '*.cpp' -o -name '*.h' -o -name '*.c' -o -name '*.rc' \) -print |
         cut -d/ -f2 | sort -u)

for folder in "${!allowed[@]}"; do
  [[ -d $folder ]] || continue
  rules=${allowed[$folder]}
  while IFS=: read -r file number text; do
    [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"/]+)/([^\"]*)\" ]] || continue
    target=${BASH_REMATCH[1]}
    header=$target/${BASH_REMATCH[2]}
    if [[ $target == "$folder" || $rules == *" * "* || $rules == *" $target "* || $rules == *" $header "* ]]; then
      continue
    fi
    echo "$file:$number: #include \"$header\": $folder/ may not include $target/"
    status=1
  done < <(grep -rnE --include='*.cpp' --include='*.h' --include='*.c' --include='*.rc' \
                '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$folder" || true)
done
exit $status
