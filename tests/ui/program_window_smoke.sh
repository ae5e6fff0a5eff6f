#!/usr/bin/env bash
# Drives the real program on a virtual X display through every window:
# opening -> Start -> design -> Deviation -> deviation -> Return -> design
# -> Exit, asking the X server after each step which windows are mapped.
# Exits 77 (skipped) when there is no virtual display or no xdotool.
set -euo pipefail
PROGRAM=$1
WITH_XVFB="$(dirname "$0")/../../scripts/with_xvfb.sh"
for tool in Xvfb xdotool xwininfo; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done

tour() {
  set -euo pipefail
  local program=$1
  # The titles of the mapped windows whose title starts with Kestrix.
  windows() {
    local id
    for id in $(xdotool search --onlyvisible --name '^Kestrix' 2>/dev/null); do
      echo "\"$(xdotool getwindowname "$id")\""
    done | sort
  }
  # Waits up to $2 tenths of a second until exactly the window titled $1 is
  # mapped, and only it.
  await() {
    for _ in $(seq 1 "${2:-300}"); do
      [ "$(windows)" = "\"$1\"" ] && { echo "only \"$1\" is open"; return 0; }
      sleep 0.1
    done
    echo "expected only \"$1\", found: $(windows | tr '\n' ' ')"
    return 1
  }
  # Clicks a control of the window titled $1 (see click) until the window
  # titled $6 is the only one: a window just mapped may not yet take the
  # first click on a loaded machine.
  press() {
    for _ in 1 2 3; do
      click "$1" "$2" "$3" "$4" "$5"
      await "$6" 50 && return 0
    done
    return 1
  }
  # Clicks the centre of a control laid out at (left, top, width, height) in
  # the 12000 x 9000 units that fill the window titled $1.
  click() {
    local id x y
    id=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$id")"
    x=$(( X + WIDTH * ($2 + $4 / 2) / 12000 ))
    y=$(( Y + HEIGHT * ($3 + $5 / 2) / 9000 ))
    xdotool mousemove --sync "$x" "$y" click 1
  }

  # On the X display whatever platform the caller's environment names, and
  # never left running when a step fails.
  QT_QPA_PLATFORM=xcb "$program" &
  pid=$!
  trap 'kill "$pid" 2>/dev/null || true' EXIT
  await "Kestrix"
  press "Kestrix" 5100 5800 1500 340 "Kestrix - Design"                 # Start
  press "Kestrix - Design" 840 5520 1500 340 "Kestrix - Deviation"      # Deviation
  press "Kestrix - Deviation" 850 7120 1500 340 "Kestrix - Design"      # Return
  click "Kestrix - Design" 840 7200 1500 340                            # Exit
  local status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || { echo "the program ended with status $status"; return 1; }
  echo "the program ended by Exit"
}

"$WITH_XVFB" 1024x768x24 bash -c "$(declare -f tour); tour \"\$0\"" "$PROGRAM"
