#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything and runs every test. With "sanitize" as argument: the same under ASan + UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}
scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j "$(nproc)"
