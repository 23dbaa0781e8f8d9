#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs libglyphmate and glyphmate-encode into a scratch prefix and uses them as a user
# would: the README's C and Python examples, pkg-config, find_package, the manual page.
# Arguments: the build tree, the source tree, and 1 when built with the sanitizers.
set -euo pipefail
build=$1 source=$2 sanitize=$3
examples=$source/library/examples
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

fail() { echo "FAIL: $*" >&2; exit 1; }
expect() {  # expect NAME EXPECTED ACTUAL
  [ "$2" = "$3" ] || fail "$1: expected '$2', got '$3'"
}

for component in library console; do
  cmake --install "$build" --prefix "$prefix" --component "$component" >/dev/null
done
library=$(find "$prefix" -name libglyphmate.so.1)
[ -n "$library" ] || fail "libglyphmate.so.1 was not installed"
libdir=$(dirname "$library")

# A versioned SONAME, and nothing exported but the C interface.
soname=$(readelf -d "$library" | sed -n 's/.*Library soname: \[\(.*\)\]/\1/p')
expect soname libglyphmate.so.1 "$soname"
[ -L "$libdir/libglyphmate.so" ] || fail "no development link libglyphmate.so"
others=$(nm -D --defined-only "$library" | awk '{print $3}' | grep -v -e '^glyphmate_' -e '^GLYPHMATE_1$' || true)
[ -z "$others" ] || fail "exported beyond the C interface: $others"

# The examples are the README's, word for word.
python3 - "$source/README.md" "$examples/convert.c" "$examples/convert.py" <<'PY'
import sys
readme = open(sys.argv[1]).read()
for path in sys.argv[2:]:
    if open(path).read() not in readme:
        sys.exit("FAIL: the README does not show " + path.rsplit("/", 1)[-1] + " as it is")
PY

flags=()
preload=()
if [ "$sanitize" = 1 ]; then
  flags=(-fsanitize=address,undefined)
  preload=(env "LD_PRELOAD=$(gcc -print-file-name=libasan.so):$(gcc -print-file-name=libubsan.so)" ASAN_OPTIONS=detect_leaks=0)
fi

# C through pkg-config.
export PKG_CONFIG_PATH=$libdir/pkgconfig
read -r -a pc <<<"$(pkg-config --cflags --libs glyphmate)"
cc -std=c99 -Wall -Wextra -Wpedantic -Werror "${flags[@]}" "$examples/convert.c" "${pc[@]}" -o "$work/convert_c"
expect "C example" "*CODE39* in VNL Code39MA" "$(LD_LIBRARY_PATH=$libdir "$work/convert_c")"
# Or with the library's folder recorded in the program, as the README says: no LD_LIBRARY_PATH.
cc -std=c99 "${flags[@]}" "$examples/convert.c" "${pc[@]}" "-Wl,-rpath,$(pkg-config --variable=libdir glyphmate)" \
  -o "$work/convert_rpath"
expect "C example with -rpath" "*CODE39* in VNL Code39MA" "$(env -u LD_LIBRARY_PATH "${preload[@]}" "$work/convert_rpath")"

# Python through ctypes.
expect "Python example" "*CODE39*" "$(LD_LIBRARY_PATH=$libdir "${preload[@]}" python3 "$examples/convert.py")"

# CMake through find_package.
cmake -S "$source/tests/library/library_consumer" -B "$work/consumer" -G Ninja \
  "-DCMAKE_PREFIX_PATH=$prefix" "-DEXAMPLE=$examples/convert.c" "-DCMAKE_C_FLAGS=${flags[*]}" >/dev/null
cmake --build "$work/consumer" >/dev/null
expect "find_package" "*CODE39* in VNL Code39MA" "$(LD_LIBRARY_PATH=$libdir "$work/consumer/convert")"

# The installed program finds its library by itself, and has its manual page.
expect "installed glyphmate-encode" "*CODE39W*" "$("$prefix/bin/glyphmate-encode" --check CODE39)"
page=$(find "$prefix" -name glyphmate-encode.1)
[ -n "$page" ] || fail "no manual page installed"
grep -q 'BATCH MODE' "$page" || fail "the manual page lacks the batch mode"
grep -q 'supplement.-column' "$page" || fail "the manual page lacks the options"
! grep -q -e 'Excludes' -e 'Needs:' "$page" || fail "the manual page lists the parser's option relations"
expect "the description, once" 1 "$(grep -c 'draws the symbol' "$page")"
echo "installed library, examples and manual page work"
