#!/bin/bash
# SPDX-License-Identifier: MIT
# Runs the README's console examples and compares what they print, standard error included,
# with what the README shows. An example is a "    $ COMMAND" line of an indented block; the
# indented lines after it, up to the next command or the end of the block, are its output.
# An output line ending in " ..." shows only the start of the line; CR LF reads as LF. The
# examples run in order in one empty directory, so that one can write a file another reads.
# Usage: readme_examples_test.sh README.md DIRECTORY_OF_GLYPHMATE_ENCODE
set -u
readme=$(realpath "$1")
export PATH="$(realpath "$2"):$PATH"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

examples=0 failures=0
command="" expected="" have=0

check() {
    local actual line i prefix ok=1
    actual=$(bash -c "$command" 2>&1)
    local -a want got
    mapfile -t want < <(printf '%s' "${expected%$'\n'}")
    mapfile -t got < <(printf '%s' "$actual" | tr -d '\r')
    if [ ${#want[@]} -ne ${#got[@]} ]; then
        ok=0
    else
        for i in "${!want[@]}"; do
            line=${want[$i]}
            if [[ $line == *" ..." ]]; then
                prefix=${line% ...}
                [[ ${got[$i]} == "$prefix"* ]] || ok=0
            else
                [ "${got[$i]}" == "$line" ] || ok=0
            fi
        done
    fi
    examples=$((examples + 1))
    if [ $ok = 0 ]; then
        failures=$((failures + 1))
        printf 'README example failed: $ %s\n--- the README shows:\n%s\n--- it prints:\n%s\n' "$command" "${expected%$'\n'}" "$actual"
    fi
    have=0
}

while IFS= read -r line || [ -n "$line" ]; do
    case $line in
    '    $ '*)
        [ $have = 1 ] && check
        command=${line#'    $ '} expected="" have=1
        ;;
    '    '*)
        [ $have = 1 ] && expected+="${line#'    '}"$'\n'
        ;;
    *)
        [ $have = 1 ] && check
        ;;
    esac
done <"$readme"
[ $have = 1 ] && check

echo "$examples README examples, $failures failed"
[ "$examples" -gt 0 ] && [ $failures = 0 ]
