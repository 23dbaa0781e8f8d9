#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix and checks one aspect of what a distribution gets.
# Arguments: layout|appstream|desktop, the build tree, 1 when the Qt programs are built,
# 1 when the manual pages are. Exit status 77: the validator is not installed (skipped).
set -euo pipefail
check=$1 build=$2 gui=$3 man=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }
need() { command -v "$1" >/dev/null || { echo "$1 is not installed: skipped"; exit 77; }; }

case $check in
  appstream) [ "$gui" = 1 ] || exit 77; need appstreamcli ;;
  desktop) [ "$gui" = 1 ] || exit 77; need desktop-file-validate ;;
esac
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
ids=(example.varnel.Glyphmate example.varnel.Trueline)

case $check in
  layout)
    files=(doc/glyphmate/LICENSE bash-completion/completions/glyphmate-encode)
    [ "$man" = 1 ] && files+=(man/man1/glyphmate-encode.1)
    if [ "$gui" = 1 ]; then
      [ "$man" = 1 ] && files+=(man/man1/glyphmate.1 man/man1/trueline.1)
      for id in "${ids[@]}"; do files+=("applications/$id.desktop" "metainfo/$id.metainfo.xml"); done
    fi
    for file in "${files[@]}"; do
      [ -s "$share/$file" ] || fail "not installed: share/$file"
    done
    grep -q '^MIT License' "$share/doc/glyphmate/LICENSE" || fail "LICENSE is not the MIT licence"
    # Every page formats without a groff warning.
    if [ "$man" = 1 ] && command -v groff >/dev/null; then
      for page in "$share"/man/man1/*.1; do
        warnings=$(groff -man -ww -z -Tutf8 "$page" 2>&1)
        [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
      done
    fi
    ;;
  appstream)
    for id in "${ids[@]}"; do
      appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" || fail "$id.metainfo.xml"
    done
    # The installed tree as a software centre reads it: metainfo, desktop entry and icon together.
    appstreamcli validate-tree --no-net "$prefix" || fail "the installed tree"
    ;;
  desktop)
    for id in "${ids[@]}"; do
      entry=$share/applications/$id.desktop
      desktop-file-validate "$entry" || fail "$id.desktop"
      # The id names the icon too, and the icon is installed under it.
      icon=$(sed -n 's/^Icon=//p' "$entry")
      [ "$icon" = "$id" ] || fail "$id.desktop: Icon=$icon"
      compgen -G "$share/icons/hicolor/*/apps/$id.*" >/dev/null || fail "no icon $id"
      grep -q ">$id.desktop</launchable>" "$share/metainfo/$id.metainfo.xml" || fail "$id: metainfo does not launch it"
    done
    ;;
  *) fail "unknown check $check" ;;
esac
echo "$check: as it should be."
