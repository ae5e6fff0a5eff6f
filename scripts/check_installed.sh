#!/usr/bin/env bash
# Installs the Debian package into this machine, starts the installed
# /usr/bin/kestrix on a virtual X display and checks that its first window
# appears, mapped and with the icon. Removes the package again afterwards.
# Usage: scripts/check_installed.sh path/to/kestrix_<version>_<arch>.deb
set -euo pipefail
deb=$(realpath "$1")
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
apt_get() { as_root env DEBIAN_FRONTEND=noninteractive apt-get -y -qq "$@"; }

# The package lists may be missing or stale on a machine that had everything
# else installed already; a failed install refreshes them and tries again.
apt_get install "$deb" >/dev/null || { apt_get update && apt_get install "$deb" >/dev/null; }
trap 'apt_get remove kestrix >/dev/null' EXIT

for path in /usr/bin/kestrix /usr/share/applications/example.kestrix.Kestrix.desktop \
            /usr/share/metainfo/example.kestrix.Kestrix.metainfo.xml \
            /usr/share/icons/hicolor/scalable/apps/kestrix.svg \
            /usr/share/icons/hicolor/48x48/apps/kestrix.png; do
  [ -e "$path" ] || { echo "FAIL: the package did not install $path"; exit 1; }
done

# Runs inside the virtual display. The program's first window is the opening
# window, captioned "Kestrix"; a title that starts with "Kestrix" is taken so
# the check also holds while the design window ("Kestrix - Design") opens first.
# Qt also keeps an unmapped 1x1 window named after the application, so only a
# mapped window counts.
check() {
  /usr/bin/kestrix &
  local pid=$! id="" candidate
  for _ in $(seq 1 150); do
    for candidate in $(xwininfo -root -tree | sed -n 's/^ *\(0x[0-9a-f]*\) "Kestrix[^"]*":.*/\1/p'); do
      if xwininfo -id "$candidate" | grep -q 'Map State: IsViewable'; then id=$candidate; break; fi
    done
    [ -n "$id" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "FAIL: the installed program ended without a window"; return 1; }
    sleep 0.2
  done
  local status=0
  if [ -z "$id" ]; then
    echo "FAIL: no window titled Kestrix appeared"
    status=1
  else
    echo "window $(xwininfo -id "$id" | sed -n 's/^xwininfo: Window id: //p') is showing"
    # The icon comes from the PNGs compiled into the program.
    xprop -id "$id" _NET_WM_ICON | grep -q 'Icon (16 x 16)' \
      || { echo "FAIL: the window has no 16 x 16 icon"; status=1; }
  fi
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  return $status
}

"$(dirname "$0")/with_xvfb.sh" 1024x768x24 bash -c "$(declare -f check); check"
echo "installed package starts: OK"
