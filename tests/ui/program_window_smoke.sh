#!/usr/bin/env bash
# Drives the real program on a virtual X display through every window, with
# the mouse and with the keyboard: opening -> Enter on Start -> design ->
# Enter in a box, Ctrl+C (read back from the X clipboard) -> Deviation ->
# deviation -> Escape -> design -> Deviation ->
# Return -> design -> Exit, asking the X server after each step which windows
# are mapped. It also checks that the window class the program sets is the
# StartupWMClass of the desktop entry, so docks match window and menu entry.
# Usage: program_window_smoke.sh PROGRAM DESKTOP_FILE
# Exits 77 (skipped) when there is no virtual display, xdotool or xclip.
set -euo pipefail
PROGRAM=$1
WITH_XVFB="$(dirname "$0")/../../scripts/with_xvfb.sh"
DESKTOP_FILE=$2
for tool in Xvfb xdotool xwininfo xprop xclip; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done

tour() {
  set -euo pipefail
  local program=$1 wm_class=$2
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
  # Presses the keys $2 in the window titled $1 (focusing it first) until
  # the window titled $3 is the only one.
  keys() {
    local id
    for _ in 1 2 3; do
      id=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)
      xdotool windowfocus --sync "$id" key --clearmodifiers $2
      await "$3" 50 && return 0
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
  local class
  class=$(xprop -id "$(xdotool search --onlyvisible --name '^Kestrix$' | head -n 1)" WM_CLASS)
  echo "$class"
  [[ $class == *", \"$wm_class\"" ]] || { echo "window class is not \"$wm_class\""; return 1; }
  keys "Kestrix" Return "Kestrix - Design"                              # Enter on Start
  # Tab from Exit into the total box; keypad Enter there runs the design and
  # leaves the window as it is. Ctrl+C then copies the design: its total
  # line shows the 4.7k the design used.
  keys "Kestrix - Design" "Tab ctrl+a 4 period 7 k KP_Enter ctrl+c" "Kestrix - Design"
  local total=""
  for _ in $(seq 1 50); do
    total=$(xclip -o -selection clipboard 2>/dev/null | grep '^total' || true)
    [ -n "$total" ] && break
    sleep 0.1
  done
  [[ $total == $'total\t\t4700\t'* ]] || { echo "copied total line: \"$total\""; return 1; }
  echo "Enter ran the design and Ctrl+C copied it: ${total//$'\t'/ | }"
  press "Kestrix - Design" 840 5520 1500 340 "Kestrix - Deviation"      # Deviation
  keys "Kestrix - Deviation" Escape "Kestrix - Design"                  # Escape
  press "Kestrix - Design" 840 5520 1500 340 "Kestrix - Deviation"      # Deviation
  press "Kestrix - Deviation" 850 7120 1500 340 "Kestrix - Design"      # Return
  click "Kestrix - Design" 840 7200 1500 340                            # Exit
  local status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || { echo "the program ended with status $status"; return 1; }
  echo "the program ended by Exit"
}

WM_CLASS=$(sed -n 's/^StartupWMClass=//p' "$DESKTOP_FILE")
[ -n "$WM_CLASS" ] || { echo "$DESKTOP_FILE names no StartupWMClass"; exit 1; }
"$WITH_XVFB" 1024x768x24 bash -c "$(declare -f tour); tour \"\$0\" \"\$1\"" \
  "$PROGRAM" "$WM_CLASS"
