#!/usr/bin/env bash
# Starts the program on a virtual X display and asks the X server whether the
# design window is there. Exits 77 (skipped) when there is no virtual display.
set -euo pipefail
PROGRAM=$1
command -v xvfb-run >/dev/null || { echo "xvfb-run is not installed"; exit 77; }

# Inside the virtual display: wait for the window to be mapped, then end the
# program. A program that exits or never shows its window fails.
check() {
  "$1" &
  local pid=$!
  for _ in $(seq 1 300); do
    if xwininfo -root -tree | grep -q '"Kestrix - Design"'; then
      kill "$pid"
      wait "$pid" 2>/dev/null || true
      echo "design window found"
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || { echo "the program ended without a window"; return 1; }
    sleep 0.1
  done
  kill "$pid"
  echo "no design window"
  return 1
}

xvfb-run -a -s "-screen 0 1024x768x24" bash -c "$(declare -f check); check \"\$0\"" "$PROGRAM"
