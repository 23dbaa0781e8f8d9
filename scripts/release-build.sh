#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The build a packager types first: no preset, Release (-O3), every program and test, here
# with warnings as errors so that CI sees a warning the default build would only print.
# Usage: scripts/release-build.sh [COMPILER]  (g++ by default; clang++ for the other one)
set -euo pipefail
cd "$(dirname "$0")/.."
compiler=${1:-g++}
build=build/release-$compiler
scripts/install-deps.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER="$compiler" -DVARNEL_WERROR=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" -j "$(nproc)" --output-on-failure
