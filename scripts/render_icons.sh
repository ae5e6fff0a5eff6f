#!/usr/bin/env bash
# Renders the icon's PNG sizes into data/icons/hicolor from the SVG drawings.
# The PNGs are committed, so only a changed drawing needs this (it uses
# rsvg-convert from librsvg2-bin). 16 and 24 px come from their own
# pixel-aligned drawings; every larger size from kestrix.svg.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2; exit 1; }

for size in 16 24 32 48 64 128 256; do
  source=kestrix.svg
  [ -f "kestrix-$size.svg" ] && source="kestrix-$size.svg"
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "$source" -o "hicolor/${size}x${size}/apps/kestrix.png"
  echo "hicolor/${size}x${size}/apps/kestrix.png from $source"
done
