#!/usr/bin/env bash
# Docking on a real desktop. A window parked at the top edge slides up out
# of sight when the pointer leaves it, leaving its bottom 3 rows on the
# screen, and comes back when the pointer touches those rows within its
# columns; parked at the right edge it leaves 4 columns and comes back when
# the pointer touches them within its rows. Another program's window lying
# over the strip keeps it hidden.
set -euo pipefail
source "$TAVRIN_SOURCE_DIR/tests/desktop/desktop.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/launcher.sh"
desktop_start
shots=$(screenshots_dir)

W=174
H=673
SCREEN_W=$DESKTOP_SCREEN_WIDTH

# timed_move ID X Y EXPECTED WHAT: moves the pointer and waits for the
# window to reach EXPECTED; prints how long it took.
timed_move() {
    local start
    start=$(ms_now)
    move_pointer "$2" "$3"
    expect_geometry "$1" "$4" "$5"
    echo "dock_top_and_right: $5 after $(($(ms_now) - start)) ms" >&2
}

# ---- docked at the top, left 800 ----
LEFT=800
top_store="$DESKTOP_DIR/top"
make_store "$top_store" "$H" 0 "$LEFT"
run_tavrin "$top_store"
id=$(wait_for_window Tavrin 20) || desktop_fail "main window did not map"
shown="$LEFT 0 $W $H"
hidden="$LEFT $((3 - H)) $W $H"
expect_geometry "$id" "$shown" "start at the saved top position"

timed_move "$id" 300 700 "$hidden" "pointer away: hidden at the top"
screenshot "$shots/dock-top-hidden.png"
timed_move "$id" $((LEFT + 50)) 1 "$shown" "pointer on the top strip: shown"
timed_move "$id" 300 700 "$hidden" "pointer away again: hidden"

# The strip is the top 3 rows within the window's columns, nothing else.
for point in "$((LEFT - 1)) 0" "$((LEFT + W)) 0" "$((LEFT + 50)) 3" "100 1"; do
    move_pointer $point
    expect_geometry_holds "$id" "$hidden" "pointer at $point, outside the strip"
    move_pointer 300 700
done
for point in "$LEFT 0" "$((LEFT + W - 1)) 2"; do
    move_pointer $point
    expect_geometry "$id" "$shown" "pointer at $point, on the strip"
    move_pointer 300 700
    expect_geometry "$id" "$hidden" "pointer away from $point"
done

# Not on top, the launcher sits below ordinary windows; another program's
# window over the strip keeps the launcher hidden while the pointer is on it.
state=$(net_wm_state "$id")
[[ $state == *_NET_WM_STATE_BELOW* ]] || desktop_fail "launcher not kept below other windows: $state"
start_xclock 300x50+$((LEFT - 100))+0
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*#//; s/,/ /g')
launcher_rank="" clock_rank="" rank=0
for window in $stacking; do
    (( window == id )) && launcher_rank=$rank
    (( window == CLOCK )) && clock_rank=$rank
    rank=$((rank + 1))
done
[[ -n $launcher_rank && -n $clock_rank ]] || desktop_fail "stacking list lacks a window: $stacking"
((clock_rank > launcher_rank)) || desktop_fail "xclock is not above the launcher: $stacking"
read -r cx cy cw ch < <(win_geometry "$CLOCK")
((cy <= 50)) || desktop_fail "xclock is not at the top: $cx $cy $cw $ch"
move_pointer $((LEFT + 50)) 1
expect_geometry_holds "$id" "$hidden" "pointer over another program's window on the strip"
screenshot "$shots/dock-top-covered.png"
move_pointer 300 700
stop_xclock
timed_move "$id" $((LEFT + 50)) 1 "$shown" "strip uncovered: shown"
stop_tavrin

# ---- docked at the right, top 300 ----
TOP=300
right_store="$DESKTOP_DIR/right"
make_store "$right_store" "$H" "$TOP" $((SCREEN_W - W))
move_pointer 300 700
run_tavrin "$right_store"
id=$(wait_for_window Tavrin 20) || desktop_fail "main window did not map at the right"
shown="$((SCREEN_W - W)) $TOP $W $H"
hidden="$((SCREEN_W - 4)) $TOP $W $H"
expect_geometry "$id" "$hidden" "pointer away: hidden at the right"
screenshot "$shots/dock-right-hidden.png"
timed_move "$id" $((SCREEN_W - 1)) $((TOP + 100)) "$shown" "pointer on the right strip: shown"
timed_move "$id" 300 700 "$hidden" "pointer away again: hidden at the right"

# The window's upper-left corner is rounded off: its very first pixel is
# not part of the window.
for point in "$((SCREEN_W - 5)) $((TOP + 100))" "$((SCREEN_W - 1)) $((TOP - 1))" \
    "$((SCREEN_W - 1)) $((TOP + H))" "$((SCREEN_W - 4)) $TOP"; do
    move_pointer $point
    expect_geometry_holds "$id" "$hidden" "pointer at $point, outside the right strip"
    move_pointer 300 700
done
for point in "$((SCREEN_W - 4)) $((TOP + 5))" "$((SCREEN_W - 1)) $((TOP + H - 1))"; do
    move_pointer $point
    expect_geometry "$id" "$shown" "pointer at $point, on the right strip"
    move_pointer 300 700
    expect_geometry "$id" "$hidden" "pointer away from $point"
done
stop_tavrin

echo "dock_top_and_right: ok"
