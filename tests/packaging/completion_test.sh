#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The bash completion of glyphmate-encode, called as bash calls it.
# Arguments: the completion script, the built glyphmate-encode.
set -uo pipefail
completion=$1 encode=$2
source "$completion"
failed=0

# complete EXPECTED WORD...: the line so far, the cursor in the last word; EXPECTED must be
# among the replies ("-" for: no reply at all).
complete_line() {
  local expected=$1
  shift
  COMP_WORDS=(glyphmate-encode "$@")
  COMP_CWORD=$#
  COMPREPLY=()
  _glyphmate_encode
  local reply
  if [ "$expected" = - ]; then
    [ ${#COMPREPLY[@]} -eq 0 ] && return
  else
    for reply in "${COMPREPLY[@]}"; do [ "$reply" = "$expected" ] && return; done
  fi
  echo "FAIL: glyphmate-encode $* <TAB>: expected '$expected' among: ${COMPREPLY[*]}" >&2
  failed=1
}

complete_line 'Code128Auto' --type Code128A
complete_line 'Code39\ Extended' --type Code39
complete_line 'Code39\ Extended' --type 'Code39\ E'
complete_line 'Interleaved\ 2\ of\ 5' --check --type Inter
complete_line 'Interleaved 2 of 5' --type '"Interleaved 2'  # inside an opened quote: as it is
complete_line 'MSI/Plessey' --type = MSI  # --type=MSI, as bash splits it
complete_line 'XT' --height X
complete_line 'utf-8-bom' --output-encoding utf-8-
complete_line 'windows-1252' --input-encoding w
complete_line '\;' --delimiter ''
complete_line 'tab' --delimiter t
complete_line '--supplement-column' --csv --supp
complete_line - --type Code128D
complete_line - --data-hex 4

# The lists stay those of the program: every symbology and every option it knows.
while IFS= read -r name; do
  complete_line "$(printf '%q' "$name")" --type "${name:0:4}"
done < <("$encode" --list)
for option in $("$encode" --help | grep -oE -- '--[a-z][a-z-]+' | sort -u); do
  complete_line "$option" "$option"
done

# A file name goes after --batch.
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
touch "$dir/records.csv"
complete_line "$dir/records.csv" --batch "$dir/rec"

[ $failed -eq 0 ] && echo "Completion: as it should be."
exit $failed
