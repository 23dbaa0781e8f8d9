#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the programs and starts Glyphmate.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Glyphmate needs a desktop session (X11 or Wayland) to show its window." >&2
  exit 1
fi
exec build/default/encoder_app/glyphmate "$@"
