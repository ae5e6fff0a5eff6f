#!/usr/bin/env bash
# Kestrix's speed and memory on this machine, each figure printed beside a
# reference measured in the same run, with its target and PASS or MISS.
# Builds nothing: give it a build made with the benchmarks on.
# Usage: bench/speed.sh [build dir] [runs]   (defaults: build, 15)
# Start-up and memory are run under a virtual X display (Xvfb, 1024x768) and
# again on Qt's offscreen platform; the figures are medians of `runs` fresh
# processes, the in-process figures medians of three runs of their own medians
# (the in-circuit window's, of three runs of Google Benchmark's means).
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${1:-build}
RUNS=${2:-15}
BENCH=$BUILD_DIR/bench
SCREEN=1024x768
WIDE_SCREEN=1920x1080

# The part that runs on one platform (X or offscreen, from the environment):
# every sample as a "name value" line, start-up runs of the two programs taken
# in turn so that both see the same load.
measure() {
  local bench=$1/bench tools=$1/tools runs=$2 line
  for _ in $(seq 1 "$runs"); do
    "$bench/timed_exec" "$bench/bare_probe" | sed 's/^/bare-/'
    "$bench/timed_exec" "$tools/kestrix_probe" first-frame | sed 's/^/kestrix-/'
  done
  for _ in $(seq 1 "$(( (runs + 2) / 3 ))"); do
    "$tools/kestrix_probe" tour | sed 's/^/tour-/'
  done
  for _ in 1 2 3; do
    for figure in design gradient print; do
      "$bench/speed_bench" "$figure"
    done
    # Every kind at its largest: "kind-Ladder-911x651-ms 12.3" and the
    # analysis alone beside it; n/a for a run the benchmark refused.
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-xcb} "$bench/in_circuit_bench" \
      --benchmark_filter=BM_KindRecomputeAndRedraw --benchmark_format=csv 2>/dev/null |
      awk -F, '$1 ~ /^"BM_KindRecomputeAndRedraw/ {
        gsub(/"/, "", $1); split($1, part, "/"); name = "kind-" part[2] "-" part[3] "x" part[4]
        failed = $9 == "true"
        print name "-ms", failed ? "n/a" : $3
        print name "-analysis-ms", failed ? "n/a" : $11 }'
  done
}

if [ "${1:-}" = "--measure" ]; then
  measure "$2" "$3"
  exit 0
fi

for program in bench/timed_exec bench/bare_probe tools/kestrix_probe bench/speed_bench \
  bench/in_circuit_bench; do
  [ -x "$BUILD_DIR/$program" ] || {
    echo "no $BUILD_DIR/$program; build first (cmake -S . -B $BUILD_DIR && cmake --build $BUILD_DIR)" >&2
    exit 1
  }
done
command -v Xvfb >/dev/null || { echo "Xvfb is missing (package xvfb)" >&2; exit 1; }
WITH_XVFB=scripts/with_xvfb.sh

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export XDG_RUNTIME_DIR=$WORK/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

echo "Measuring ($RUNS start-ups of each program per platform)..." >&2
failed() { echo "measuring failed:" >&2; cat "$WORK/log" >&2; exit 1; }
"$WITH_XVFB" "${SCREEN}x24" bash "$0" --measure "$BUILD_DIR" "$RUNS" \
  >"$WORK/x" 2>>"$WORK/log" || failed
QT_QPA_PLATFORM=offscreen bash "$0" --measure "$BUILD_DIR" "$RUNS" >"$WORK/offscreen" 2>>"$WORK/log" \
  || failed
for _ in 1 2 3; do
  "$WITH_XVFB" "${WIDE_SCREEN}x24" "$BENCH/speed_bench" gradient 2>>"$WORK/log" \
    || failed
done >"$WORK/wide"

# median NAME FILE: the median of every sample called NAME ("n/a" if none).
median() {
  awk -v name="$1" '$1 == name && $2 != "n/a" { print $2 }' "$2" | sort -g |
    awk '{ v[NR] = $1 } END {
      if (NR == 0) { print "n/a"; exit }
      if (NR % 2) printf "%.3f\n", v[(NR + 1) / 2]; else printf "%.3f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
first() { awk -v name="$1" '$1 == name { print $2; exit }' "$2"; }
# verdict EXPRESSION: PASS when the awk expression holds, n/a when a figure is missing.
verdict() {
  case "$1" in *n/a*) echo "n/a"; return ;; esac
  awk "BEGIN { print (($1) ? \"PASS\" : \"MISS\") }"
}
mib() { case "$1" in n/a) echo n/a ;; *) awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }' ;; esac; }

row() { printf '| %s | %s | %s | %s | %s |\n' "$@"; }

echo "Kestrix speed, $(date -u +%Y-%m-%d)"
echo "Machine: $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p' | head -n 1)," \
  "Qt $(first qt-version "$WORK/x"), $(uname -sr)"
echo
row "figure" "Kestrix" "reference (same run)" "target" "result"
row "---" "---" "---" "---" "---"

for platform in x offscreen; do
  file=$WORK/$platform
  label=$([ "$platform" = x ] && echo "Xvfb $SCREEN" || echo "offscreen")
  kestrix=$(median kestrix-first-frame-ms "$file")
  bare=$(median bare-first-frame-ms "$file")
  row "start-up to first frame, $label" "$kestrix ms" "bare QApplication + QWidget: $bare ms" \
    "<= 1.3 x bare" "$(verdict "$kestrix <= 1.3 * $bare") ($(awk "BEGIN { printf \"%.2f\", $kestrix / $bare }") x)"
done

for platform in x offscreen; do
  file=$WORK/$platform
  label=$([ "$platform" = x ] && echo "Xvfb $SCREEN" || echo "offscreen")
  design=$(median design-ms "$file")
  row "design run + redraw, 25 positions, $label" "$design ms" \
    "16.7 ms frame; run alone $(median run-ms "$file") ms, repaint alone $(median repaint-ms "$file") ms" \
    "< 1 ms" "$(verdict "$design < 1")"
done

for platform in x offscreen; do
  file=$WORK/$platform
  label=$([ "$platform" = x ] && echo "Xvfb $SCREEN" || echo "offscreen")
  for kind in String:series\ string Ladder:ladder Shunt:shunt RelayLadder:relay\ ladder; do
    small=$(median "kind-${kind%%:*}-911x651-ms" "$file")
    large=$(median "kind-${kind%%:*}-1304x932-ms" "$file")
    row "in-circuit Recompute + redraw, ${kind#*:} at its largest, $label" \
      "$small ms at 911x651, $large ms at 1304x932" \
      "16.7 ms frame; analysis alone $(median "kind-${kind%%:*}-1304x932-analysis-ms" "$file") ms" \
      "< 16 ms" "$(verdict "$small < 16 && $large < 16")"
  done
done

for file in "$WORK/x" "$WORK/wide"; do
  gradient=$(median gradient-ms "$file")
  screen=$([ "$file" = "$WORK/x" ] && echo "$SCREEN" || echo "$WIDE_SCREEN")
  row "opening gradient, $(first gradient-size "$file") window on $screen" "$gradient ms" \
    "9000 lines one by one: $(median lines-ms "$file") ms" "< 2 ms" "$(verdict "$gradient < 2")"
done

print=$(median print-ms "$WORK/x")
if [ "$print" = "n/a" ]; then
  row "print the default design to PDF" "n/a (Print not wired on this build)" \
    "empty PDF page: $(median empty-page-ms "$WORK/x") ms" "< 150 ms" "n/a"
else
  row "print the default design to PDF" "$print ms" \
    "empty PDF page: $(median empty-page-ms "$WORK/x") ms" "< 150 ms" "$(verdict "$print < 150")"
fi

for platform in x offscreen; do
  file=$WORK/$platform
  label=$([ "$platform" = x ] && echo "Xvfb $SCREEN" || echo "offscreen")
  peak=$(median tour-peak-kib "$file")
  bare=$(median bare-peak-kib "$file")
  row "peak memory after Start, Display, Deviation, Return, $label" "$(mib "$peak") MiB" \
    "bare QApplication + QWidget: $(mib "$bare") MiB" "<= bare + 10 MiB" \
    "$(verdict "$peak <= $bare + 10240") (+$(awk "BEGIN { printf \"%.1f\", ($peak - $bare) / 1024 }") MiB)"
done
