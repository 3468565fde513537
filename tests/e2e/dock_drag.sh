#!/usr/bin/env bash
# Dragging the launcher by its frame on a real desktop: the window follows
# a held button pressed on the title strip or the bottom edge, snaps onto
# the right and the top edge of the work area from less than 10 pixels and
# docks there; a press on a bottom corner or on the bar, or a pointer
# moving over the title strip without a button, moves nothing.
set -euo pipefail
source "$TAVRIN_SOURCE_DIR/tests/desktop/desktop.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/launcher.sh"
desktop_start
shots=$(screenshots_dir)

W=174
H=673
SCREEN_W=$DESKTOP_SCREEN_WIDTH

folder="$DESKTOP_DIR/drag"
make_store "$folder" "$H" 300 800

# press_drag X Y X1 Y1 X2 Y2 ...: presses the left button at X Y, moves
# through the other points with the button held, releases at the last.
press_drag() {
    move_pointer "$1" "$2"
    xdotool mousedown 1
    shift 2
    while (($# >= 2)); do
        move_pointer "$1" "$2"
        shift 2
    done
    xdotool mouseup 1
}

run_tavrin "$folder"
id=$(wait_for_window Tavrin 20) || desktop_fail "main window did not map"
start="800 300 $W $H"
expect_geometry "$id" "$start" "start at the saved position"

# Over the title strip without a button: nothing moves.
move_pointer 870 310
for x in 880 900 860 875; do move_pointer "$x" 312; done
expect_geometry_holds "$id" "$start" "pointer moved over the title strip without a button"

# A press on a bottom corner (window 3,H-4 and W-4,H-4) or on the bar.
for point in "803 $((300 + H - 4))" "$((800 + W - 4)) $((300 + H - 4))" "887 600"; do
    read -r px py <<<"$point"
    press_drag "$px" "$py" $((px - 50)) $((py - 40)) $((px - 120)) $((py - 90)) $((px - 150)) $((py - 100))
    expect_geometry_holds "$id" "$start" "press and move at $point"
done

# By the bottom edge: the window follows the pointer exactly.
press_drag 887 $((300 + H - 4)) 850 950 750 900 687 $((300 + H - 4 - 100))
expect_geometry "$id" "600 200 $W $H" "dragged by the bottom edge"

# By the title strip to 5 pixels short of the right edge: snapped onto it.
press_drag 670 210 900 215 1400 220 $((SCREEN_W - W - 5 + 70)) 210
expect_geometry "$id" "$((SCREEN_W - W)) 200 $W $H" "dragged to 5 px from the right edge"
screenshot "$shots/drag-right-edge.png"

# By the title strip to 6 pixels below the top: snapped onto it.
read -r x y _ < <(win_geometry "$id")
press_drag $((x + 70)) $((y + 10)) 1500 150 1100 60 1070 16
expect_geometry "$id" "1000 0 $W $H" "dragged to 6 px from the top"

# Docked at the top now: the window hides once the pointer leaves it.
move_pointer 300 700
expect_geometry "$id" "1000 $((3 - H)) $W $H" "hidden at the top after the drag"

stop_tavrin
echo "dock_drag: ok"
