#!/usr/bin/env bash
# Runs a command on a virtual X display of its own. Xvfb chooses a free
# display number itself and reports it (-displayfd), so two of these, or any
# other X server, can start at the same moment without reaching for the same
# display.
# Usage: scripts/with_xvfb.sh WxHxDEPTH command [arguments...]
# Exits with the command's status, or 77 (skipped) when Xvfb is not installed.
set -euo pipefail
screen=$1
shift
command -v Xvfb >/dev/null || { echo "Xvfb is not installed"; exit 77; }

scratch=$(mktemp -d)
server=""
finish() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$scratch"
}
trap finish EXIT

# Xvfb writes the display number it took once it accepts connections.
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$scratch/display" 2>"$scratch/log" &
server=$!
for _ in $(seq 1 200); do
  [ -s "$scratch/display" ] && break
  if ! kill -0 "$server" 2>/dev/null; then
    cat "$scratch/log" >&2
    echo "Xvfb ended before it chose a display" >&2
    exit 1
  fi
  sleep 0.05
done
number=$(head -n 1 "$scratch/display")
[[ $number =~ ^[0-9]+$ ]] || { cat "$scratch/log" >&2; echo "Xvfb reported no display" >&2; exit 1; }

status=0
DISPLAY=":$number" "$@" || status=$?
exit "$status"
