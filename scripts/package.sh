#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package as a packager would (Release, prefix /usr, Debian's hardening
# flags, no tests: GoogleTest and Google Benchmark are kept out of reach to prove they are not
# needed), checks what it holds and runs lintian on it.
# Usage: scripts/package.sh [BUILD_DIR]  (default build/package); the .deb lands there.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/package}
scripts/install-deps.sh

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -G Ninja --no-warn-unused-cli -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DBUILD_TESTING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
  -DVARNEL_WERROR=ON \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DCMAKE_SHARED_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" --parallel 2
rm -f "$build"/glyphmate_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/glyphmate_*.deb)
echo "== $deb"

fail() { echo "FAIL: $*" >&2; exit 1; }

# What a user of the package gets.
contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for path in \
    /usr/bin/glyphmate /usr/bin/trueline /usr/bin/glyphmate-encode \
    "/usr/lib/$multiarch/libglyphmate.so.1" /usr/include/glyphmate.h \
    /usr/share/doc/glyphmate/copyright /usr/share/doc/glyphmate/changelog.Debian.gz \
    /usr/share/man/man1/glyphmate.1.gz /usr/share/man/man1/trueline.1.gz /usr/share/man/man1/glyphmate-encode.1.gz \
    /usr/share/bash-completion/completions/glyphmate-encode \
    /usr/share/metainfo/example.varnel.Glyphmate.metainfo.xml /usr/share/metainfo/example.varnel.Trueline.metainfo.xml \
    /usr/share/applications/example.varnel.Glyphmate.desktop /usr/share/applications/example.varnel.Trueline.desktop \
    /usr/share/icons/hicolor/scalable/apps/example.varnel.Glyphmate.svg; do
  grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libfontconfig1 libstdc++6 python3:any; do
  [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
dpkg-deb -I "$deb" triggers | grep -qx 'activate-noawait ldconfig' || fail "no ldconfig trigger"
for script in preinst postinst prerm postrm; do
  ! dpkg-deb -I "$deb" "$script" >/dev/null 2>&1 || fail "a $script script, where the trigger does"
done
echo "Contents, dependencies, trigger and no maintainer scripts: as they should be."

# Errors fail; warnings are shown (see README.md, "The Debian package", for those that stay).
lintian --fail-on error --tag-display-limit 0 "$deb"
echo "lintian: no errors."
