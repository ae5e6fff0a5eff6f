#!/usr/bin/env bash
# The program started with no display at all: one line saying so on its
# error output, nothing on its standard output, and exit status 1.
# Usage: no_display.sh PROGRAM
set -uo pipefail
PROGRAM=$1
expected="kestrix: no graphical display found; Kestrix is a desktop program"
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$PROGRAM" 2>"$errors")
status=$?
failed=0
[ "$status" -eq 1 ] || { echo "exit status $status, expected 1"; failed=1; }
[ -z "$output" ] || { echo "standard output: $output"; failed=1; }
[ "$(cat "$errors")" = "$expected" ] || { echo "error output:"; cat "$errors"; failed=1; }
[ "$failed" -eq 0 ] && echo "$expected (status 1)"
exit "$failed"
