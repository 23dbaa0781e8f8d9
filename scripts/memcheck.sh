#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every test program of a build under valgrind's memcheck, the programs they start
# (glyphmate-encode) included. Slow: a quarter of an hour or more. The build must be one
# without the sanitizers, as scripts/test.sh makes it.
# Usage: scripts/memcheck.sh [BUILD_DIR [PROGRAM...]]  (programs by name, e.g. verify_tests)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
[ $# -gt 0 ] && shift
only=" $* "
command -v valgrind >/dev/null || { echo "memcheck: valgrind is not installed" >&2; exit 2; }

# The test programs CTest knows, each once (the shell-script tests are left out).
mapfile -t programs < <(ctest --test-dir "$build" --show-only=json-v1 | python3 -c '
import json, sys
seen = []
for test in json.load(sys.stdin)["tests"]:
    program = test.get("command", [""])[0]
    if program.endswith("_tests") and program not in seen:
        seen.append(program)
print("\n".join(seen))')

mkdir -p "$build/memcheck"
failed=()
ran=0
for program in "${programs[@]}"; do
  name=$(basename "$program")
  [ "$only" = "  " ] || [[ "$only" == *" $name "* ]] || continue
  log="$build/memcheck/$name.log"
  echo "== $name"
  ran=$((ran + 1))
  if ! QT_QPA_PLATFORM=offscreen valgrind --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite \
      --suppressions=scripts/memcheck.supp \
      --trace-children=yes --trace-children-skip='/bin/*,/usr/bin/*' -q "$program" --gtest_brief=1 >"$log" 2>&1; then
    failed+=("$name")
    grep -m 20 -E "^==[0-9]+== |FAILED" "$log" || true
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "memcheck found errors in: ${failed[*]} (logs in $build/memcheck/)"
  exit 1
fi
echo "memcheck: no errors in $ran test programs."
