#!/usr/bin/env bash
# Validates desktop metadata with the freedesktop tools: any complaint fails.
# Usage: validate_metadata.sh desktop|appstream FILE. Exits 77 (skipped) when
# the tool is not installed.
set -euo pipefail
kind=$1 file=$2
case "$kind" in
  desktop)
    command -v desktop-file-validate >/dev/null || { echo "desktop-file-validate is not installed"; exit 77; }
    # It exits 0 on warnings and hints, so its silence is the pass.
    report=$(desktop-file-validate "$file" 2>&1) || { echo "$report"; exit 1; }
    [ -z "$report" ] || { echo "$report"; exit 1; }
    echo "$file: valid"
    ;;
  appstream)
    command -v appstreamcli >/dev/null || { echo "appstreamcli is not installed"; exit 77; }
    # Warnings and errors fail; infos (the .example domain is no known
    # top-level domain) and pedantic notes do not.
    appstreamcli validate --no-net "$file"
    ;;
  *)
    echo "usage: $0 desktop|appstream FILE" >&2
    exit 2
    ;;
esac
