#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets (clang++, AddressSanitizer + UndefinedBehaviorSanitizer) and
# runs each for the given number of seconds (default 20), from its seed corpus in
# fuzz/corpus/<target>/. Usage: scripts/fuzz.sh [SECONDS [TARGET...]]
# What a run finds is kept in build/fuzz/findings/ and makes the exit status 1; the inputs
# it adds to the corpus stay in build/fuzz/corpus/, so a later run goes on from there.
# VARNEL_FUZZ_FLAGS adds compiler flags (-fno-sanitize-coverage=trace-cmp runs faster);
# VARNEL_FUZZ_BUILD names another build directory.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
[ $# -gt 0 ] && shift
build=${VARNEL_FUZZ_BUILD:-build/fuzz}

scripts/install-deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVARNEL_FUZZ=ON -DVARNEL_BUILD_GUI=OFF -DVARNEL_SANITIZE=ON -DVARNEL_WERROR=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link ${VARNEL_FUZZ_FLAGS:-}" >/dev/null
cmake --build "$build" --target fuzz_targets --parallel 2

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for dir in fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

mkdir -p "$build/findings"
failed=()
for target in "${targets[@]}"; do
  work="$build/corpus/$target"
  mkdir -p "$work"
  echo "== $target: ${seconds}s"
  # New inputs go to the first directory only: the seeds in the repository stay as they are.
  if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=1024 -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build/findings/$target-" "$work" "fuzz/corpus/$target" \
      2>"$build/$target.log"; then
    failed+=("$target")
    grep -A20 -E "FINDING|ERROR: (AddressSanitizer|libFuzzer)|runtime error" "$build/$target.log" | head -40 || true
  fi
  grep -E "^(#[0-9]+\s+DONE|stat::number_of_executed_units|Done)" "$build/$target.log" || true
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Findings in: ${failed[*]} (inputs in $build/findings/)"
  exit 1
fi
echo "No findings."
