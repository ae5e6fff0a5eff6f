#!/usr/bin/env bash
# Installs a configured build into a scratch prefix and checks what a desktop
# needs from it. Usage: install_layout.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
id=example.kestrix.Kestrix
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml

[ -x "$prefix/bin/kestrix" ] || fail "no bin/kestrix"
[ -f "$desktop" ] || fail "no $id.desktop"
[ -f "$metainfo" ] || fail "no $id.metainfo.xml"
[ -f "$prefix/share/doc/kestrix/copyright" ] || fail "no copyright file"

# The entry starts the installed program by name, with the installed icon.
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Exec)" = kestrix ] || fail "Exec is '$(entry Exec)'"
icon=$(entry Icon)
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon '$icon'"
for size in 16 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
  [ -f "$png" ] || fail "no ${size}px icon"
  # PNG width and height are the big-endian words at bytes 16 and 20.
  read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
    awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
  [ "$width x $height" = "$size x $size" ] || fail "${size}x${size} icon is $width x $height"
done

# The metainfo names this entry, this icon and this version.
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
  || fail "metainfo launchable is not $id.desktop"
grep -q "<icon type=\"stock\">$icon</icon>" "$metainfo" || fail "metainfo icon is not $icon"
grep -q "<release version=\"$version\"" "$metainfo" || fail "no release entry for $version"
echo "installed layout complete for version $version"
