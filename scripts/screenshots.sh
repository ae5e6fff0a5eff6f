#!/usr/bin/env bash
# Screenshots of the design window on virtual screens of common sizes, written
# to out/design-WxH.png, and the printed report of the opening design and of a
# 25-position design as 100-dpi page images, out/report-default.png and
# out/report-25.png. Usage: scripts/screenshots.sh [build dir] [WxH ...]
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${1:-build}
shift || true
SIZES=("$@")
[ ${#SIZES[@]} -gt 0 ] || SIZES=(1024x768 1920x1080)
PROGRAM="$BUILD_DIR/app/kestrix"
[ -x "$PROGRAM" ] || { echo "no program at $PROGRAM; build first" >&2; exit 1; }
mkdir -p out

# Runs inside the virtual display: start the program, wait for its window,
# let it paint, photograph the whole screen.
shoot() {
  local program=$1 target=$2
  "$program" &
  local pid=$!
  for _ in $(seq 1 100); do
    xwininfo -root -tree | grep -q '"Kestrix - Design"' && break
    sleep 0.1
  done
  sleep 1
  import -window root "$target"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

for size in "${SIZES[@]}"; do
  xvfb-run -a -s "-screen 0 ${size}x24" bash -c "$(declare -f shoot); shoot \"\$0\" \"\$1\"" \
    "$PROGRAM" "out/design-$size.png"
  echo "out/design-$size.png"
done

# The printed report: printed to PDF through the Print button, then rendered.
PAGES="$BUILD_DIR/tests/ui/report_pages"
if [ ! -x "$PAGES" ]; then
  echo "no report printer at $PAGES; build with tests" >&2
  exit 1
fi
"$PAGES" out >/dev/null
for page in report-default report-25; do
  pdftoppm -png -r 100 -singlefile "out/$page.pdf" "out/$page"
  echo "out/$page.png"
done
