#!/bin/bash
# Start-up of the launcher next to a bare Qt Widgets window, on the test
# desktop: time from exec to the window mapped and painted, and peak RSS,
# over RUNS runs each (interleaved), with medians and ratios.
#
# usage: bench/startup_bench.sh BUILD_DIR [RUNS]   (RUNS defaults to 15)
set -u
SOURCE_DIR=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=$(cd "${1:?usage: startup_bench.sh BUILD_DIR [RUNS]}" && pwd)
RUNS=${2:-15}
PROBE="$BUILD_DIR/bench/startup_bench_probe"
BARE="$BUILD_DIR/bench/bare_window"
TAVRIN="$BUILD_DIR/app/tavrin"
for f in "$PROBE" "$BARE" "$TAVRIN"; do
    [[ -x $f ]] || { echo "missing $f: build the targets tavrin, bare_window, startup_bench_probe"; exit 1; }
done

source "$SOURCE_DIR/tests/desktop/desktop.sh"
desktop_start

folder="$DESKTOP_DIR/launcher"
if [[ -x $SOURCE_DIR/tools/make-demo.sh && -d $SOURCE_DIR/assets/skins ]]; then
    "$SOURCE_DIR/tools/make-demo.sh" "$folder" >/dev/null
else
    mkdir -p "$folder"
    sqlite3 "$folder/data.db" <"$SOURCE_DIR/demo/demo.sql"
fi

results="$DESKTOP_DIR/results"
: >"$results"
for ((run = 1; run <= RUNS; run++)); do
    line=$(cd "$folder" && "$PROBE" Tavrin "$TAVRIN") || { echo "tavrin run $run failed: $line"; exit 1; }
    echo "tavrin $line" >>"$results"
    line=$(cd "$folder" && "$PROBE" BareWindow "$BARE") || { echo "bare run $run failed: $line"; exit 1; }
    echo "bare $line" >>"$results"
done

median() { sort -g | awk '{v[NR] = $1} END {if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
field() { grep "^$1 " "$results" | tr ' ' '\n' | sed -n "s/^$2=//p"; }

echo "start-up over $RUNS runs each on the test desktop ($DISPLAY, 1920x1080, openbox)"
printf '%-22s %12s %12s %8s\n' "" "tavrin" "bare Qt" "ratio"
for metric in map_ms paint_ms hwm_kb; do
    t=$(field tavrin $metric | median)
    b=$(field bare $metric | median)
    printf '%-22s %12s %12s %8s\n' "median $metric" "$t" "$b" "$(awk -v t="$t" -v b="$b" 'BEGIN {printf "%.2f", t / b}')"
done
echo "all runs:"
sed 's/^/  /' "$results"
