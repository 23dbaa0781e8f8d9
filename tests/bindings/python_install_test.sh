#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs libglyphmate and the Python module into a scratch prefix and runs the module's
# tests from there: PYTHONPATH names the package folder, nothing names the library.
# Arguments: the build tree, the python3 to use, the package folder relative to the prefix.
set -euo pipefail
build=$1 python=$2 package_dir=$3
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
for component in library console python; do
  cmake --install "$build" --prefix "$prefix" --component "$component" >/dev/null
done
cp "$here/test_glyphmate.py" "$work/"
cd "$work"
# A sanitizer build names its runtime in GLYPHMATE_PRELOAD: Python must load it first.
preload=()
[ -z "${GLYPHMATE_PRELOAD:-}" ] || preload=("LD_PRELOAD=$GLYPHMATE_PRELOAD" ASAN_OPTIONS=detect_leaks=0)
env -u LD_LIBRARY_PATH "${preload[@]}" PYTHONPATH="$prefix/$package_dir" PYTHONDONTWRITEBYTECODE=1 GLYPHMATE_PREFIX="$prefix" \
  GLYPHMATE_ENCODE="$prefix/bin/glyphmate-encode" "$python" -m unittest test_glyphmate
