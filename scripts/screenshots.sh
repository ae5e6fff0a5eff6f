#!/usr/bin/env bash
# Screenshots of the program's windows on virtual screens of common sizes:
# opening-WxH.png, design-WxH.png, deviation-WxH.png, in-circuit-WxH.png,
# in-circuit-ladder-WxH.png (and -shunt, -relay-ladder) and as-built-WxH.png,
# reached by clicking Start, Deviation, Return, In circuit, the Kind list and
# As built as a user would;
# and the printed report of the opening design and of a 25-position design as
# 100-dpi page images, report-default.png and report-25.png, with the
# in-circuit page of the 25-position design, in-circuit-25.png. They go to
# out/, or to the folder in OUT_DIR (OUT_DIR=docs/screenshots renews the
# README's pictures).
# Usage: [OUT_DIR=folder] scripts/screenshots.sh [build dir] [WxH ...]
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${1:-build}
shift || true
SIZES=("$@")
[ ${#SIZES[@]} -gt 0 ] || SIZES=(1024x768 1920x1080)
PROGRAM="$BUILD_DIR/app/kestrix"
[ -x "$PROGRAM" ] || { echo "no program at $PROGRAM; build first" >&2; exit 1; }
OUT=${OUT_DIR:-out}
mkdir -p "$OUT"

# Runs inside the virtual display: start the program, photograph each window
# once it is mapped and painted, and move on through its buttons.
shoot() {
  set -euo pipefail
  local program=$1 size=$2 OUT=$3
  await() {
    for _ in $(seq 1 100); do
      xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 && { sleep 1; return 0; }
      sleep 0.1
    done
    echo "no window \"$1\"" >&2
    return 1
  }
  # Photographs the window titled $1 into the file $2.
  photograph() {
    import -window "$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)" "$2"
  }
  # Clicks the centre of a control at (left, top, width, height) in the
  # 12000 x 9000 units that fill the window titled $1.
  click() {
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove --sync $(( X + WIDTH * ($2 + $4 / 2) / 12000 )) \
      $(( Y + HEIGHT * ($3 + $5 / 2) / 9000 )) click 1
  }
  "$program" &
  local pid=$!
  await "Kestrix"
  photograph "Kestrix" "$OUT/opening-$size.png"
  click "Kestrix" 5100 5800 1500 340
  await "Kestrix - Design"
  photograph "Kestrix - Design" "$OUT/design-$size.png"
  click "Kestrix - Design" 840 5520 1500 340
  await "Kestrix - Deviation"
  photograph "Kestrix - Deviation" "$OUT/deviation-$size.png"
  click "Kestrix - Deviation" 850 7120 1500 340
  await "Kestrix - Design"
  click "Kestrix - Design" 840 6600 1500 340
  await "Kestrix - In circuit"
  photograph "Kestrix - In circuit" "$OUT/in-circuit-$size.png"
  # Each other kind in turn, chosen from the Kind list, then the string again.
  local kind
  for kind in ladder shunt relay-ladder; do
    click "Kestrix - In circuit" 4260 150 1380 375
    sleep 0.5
    xdotool key Down Return
    sleep 1
    photograph "Kestrix - In circuit" "$OUT/in-circuit-$kind-$size.png"
  done
  click "Kestrix - In circuit" 4260 150 1380 375
  sleep 0.5
  xdotool key Up Up Up Return
  sleep 1
  click "Kestrix - In circuit" 4515 2900 1125 375
  await "Kestrix - As built"
  photograph "Kestrix - As built" "$OUT/as-built-$size.png"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

for size in "${SIZES[@]}"; do
  scripts/with_xvfb.sh "${size}x24" \
    bash -c "$(declare -f shoot); shoot \"\$0\" \"\$1\" \"\$2\"" "$PROGRAM" "$size" "$OUT"
  echo "$OUT/opening-$size.png $OUT/design-$size.png $OUT/deviation-$size.png $OUT/in-circuit-$size.png"
done

# The printed report: printed to PDF through the Print button, then rendered.
PAGES="$BUILD_DIR/tools/report_pages"
if [ ! -x "$PAGES" ]; then
  echo "no report printer at $PAGES; build with tests" >&2
  exit 1
fi
written=$("$PAGES" "$OUT")
for page in report-default report-25 in-circuit-25; do
  pdftoppm -png -r 100 -singlefile "$OUT/$page.pdf" "$OUT/$page"
  echo "$OUT/$page.png"
done
# The other samples the tool writes are for looking at by hand.
while IFS= read -r pdf; do rm -f "$pdf"; done <<< "$written"
