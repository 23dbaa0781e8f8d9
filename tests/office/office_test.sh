#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the project's glyphmate.oxt into a scratch prefix, adds it from there with unopkg
# to a private LibreOffice setup, starts a headless LibreOffice on it and lets calc_check.py
# compare the Calc functions with glyphmate-encode. No libglyphmate is installed anywhere
# LibreOffice could find it: the extension must bring its own.
# Arguments: the build tree, glyphmate-encode.
#
# Debian's tools only (a python3 from elsewhere on PATH breaks unopkg). --shared, with the
# shared folder moved into the scratch directory, works for root and other users alike and
# leaves the machine's LibreOffice untouched.
set -euo pipefail
build=$1 encode=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
office_pid=
cleanup() {
  if [ -n "$office_pid" ]; then
    # calc_check.py ends LibreOffice itself; kill it only when it is still there.
    for _ in 1 2 3 4 5 6 7 8 9 10; do
      kill -0 "$office_pid" 2>/dev/null || break
      sleep 0.5
    done
    if kill -0 "$office_pid" 2>/dev/null && [ -f "$work/office.pid" ]; then
      office=$(cat "$work/office.pid")
      kill "$office" 2>/dev/null && sleep 2
      kill -9 "$office" 2>/dev/null || true
    fi
    wait "$office_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
office_env=(-env:UserInstallation="file://$work/user" -env:UNO_SHARED_PACKAGES="file://$work/shared"
            -env:UNO_SHARED_PACKAGES_CACHE="file://$work/shared/cache")

cmake --install "$build" --prefix "$work/prefix" --component office >/dev/null
oxt=$work/prefix/share/glyphmate/glyphmate.oxt
[ -f "$oxt" ] || { echo "FAIL: glyphmate.oxt is not installed as share/glyphmate/glyphmate.oxt" >&2; exit 1; }
export PATH=/usr/bin:/bin HOME=$work
timeout 120 unopkg add --shared "${office_env[@]}" "$oxt"
timeout 60 unopkg list --shared "${office_env[@]}" | grep -q 'Identifier: org.varnel.glyphmate' \
  || { echo "FAIL: unopkg does not list the extension" >&2; exit 1; }

# A start that finds a new profile or newly added extensions prepares them and exits with
# status 81, asking for a restart: start again, at most three times.
office=(/usr/lib/libreoffice/program/soffice.bin --headless --invisible --norestore --nologo --nodefault "${office_env[@]}")
pipe=glyphmate_test_$$
(
  for _ in 1 2 3; do
    "${office[@]}" "--accept=pipe,name=$pipe;urp;" &
    echo $! >"$work/office.pid"
    status=0
    wait $! || status=$?
    [ "$status" = 81 ] || break
  done
) >"$work/office.log" 2>&1 &
office_pid=$!
timeout 240 /usr/bin/python3 "$here/calc_check.py" "$pipe" "$encode" || {
  status=$?
  echo "LibreOffice's output:" >&2
  cat "$work/office.log" >&2
  exit $status
}
