#!/usr/bin/env bash
# Builds the programs and starts Glyphmate.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/default/encoder_app/console/glyphmate-encode --help
