#!/bin/bash
# Auto-hide timing of the launcher on the test desktop, docked at the top
# and then at the right edge (positions set in the store before start).
#
# usage: bench/dock_bench.sh BUILD_DIR [TRIALS]   (TRIALS defaults to 30)
set -u
SOURCE_DIR=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=$(cd "${1:?usage: dock_bench.sh BUILD_DIR [TRIALS]}" && pwd)
TRIALS=${2:-30}
BENCH="$BUILD_DIR/bench/dock_bench"
export TAVRIN_BIN="$BUILD_DIR/app/tavrin"
for f in "$BENCH" "$TAVRIN_BIN"; do
    [[ -x $f ]] || { echo "missing $f: build the targets tavrin and dock_bench"; exit 1; }
done

source "$SOURCE_DIR/tests/desktop/desktop.sh"
desktop_start

# measure EDGE TOP LEFT
measure() {
    local edge=$1 top=$2 left=$3 folder="$DESKTOP_DIR/launcher-$1"
    mkdir -p "$folder"
    sqlite3 "$folder/data.db" <"$SOURCE_DIR/demo/demo.sql"
    sqlite3 "$folder/data.db" "update 设置 set n1='$top', n2='$left';"
    run_tavrin "$folder"
    local id
    id=$(wait_for_window Tavrin 20) || { echo "the launcher did not appear"; return 1; }
    sleep 0.5
    echo "== docked at the $edge (window $(win_geometry "$id"))"
    "$BENCH" Tavrin "$TRIALS"
    local status=$?
    kill "$TAVRIN_PID" 2>/dev/null
    desktop_reap "$TAVRIN_PID"
    return $status
}

measure top 0 800 && measure right 300 $((DESKTOP_SCREEN_WIDTH - 174))
