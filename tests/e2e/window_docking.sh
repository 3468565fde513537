#!/bin/bash
# The launcher docked at the top edge of the test desktop: it slides out of
# sight when the pointer leaves, comes back when the pointer touches the
# remaining strip, and stays put once dragged away from the edge.
set -u
source "$TAVRIN_SOURCE_DIR/tests/desktop/desktop.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/probe.sh"

desktop_start
folder="$DESKTOP_DIR/launcher"
mkdir -p "$folder"
sqlite3 "$folder/data.db" <"$TAVRIN_SOURCE_DIR/demo/demo.sql"
sqlite3 "$folder/data.db" "update 设置 set 高度='600', n1='0', n2='800';"
run_tavrin "$folder"
id=$(wait_for_window Tavrin 20) || desktop_fail "the launcher did not appear"
H=600

# window_reaches "X Y W H" [SECONDS]: polls the geometry until it matches.
window_reaches() {
    local deadline=$((SECONDS + ${2:-3}))
    while ((SECONDS < deadline)); do
        [[ $(win_geometry "$id") == "$1" ]] && return 0
        sleep 0.02
    done
    return 1
}
reached() { window_reaches "$@" && echo yes || echo "no ($(win_geometry "$id"))"; }

pointer_to 880 300
expect "docked at the top, in view while hovered" yes "$(reached "800 0 174 $H")"
pointer_to 300 700
expect "hides upward once the pointer leaves" yes "$(reached "800 $((3 - H)) 174 $H")"
pointer_to 790 1
sleep 0.4
expect "the strip beside the window does not count" "800 $((3 - H)) 174 $H" "$(win_geometry "$id")"
pointer_to 880 1
expect "comes back when the strip is touched" yes "$(reached "800 0 174 $H")"

# Drag it by the title strip to the middle of the screen: floating.
pointer_to 830 10
xdotool mousedown 1
for y in 50 150 300; do pointer_to 900 "$y"; done
xdotool mouseup 1
expect "dragged off the edge" yes "$(reached "870 290 174 $H")"
pointer_to 300 700
sleep 0.5
expect "a floating window stays where it is" "870 290 174 $H" "$(win_geometry "$id")"
expect_contains "no taskbar button" _NET_WM_STATE_SKIP_TASKBAR "$(net_wm_state "$id")"

screenshot "$DESKTOP_DIR/window_docking.png"
[[ -n ${WINDOW_E2E_SHOTS:-} ]] && cp "$DESKTOP_DIR/window_docking.png" "$WINDOW_E2E_SHOTS/"
checks_result
