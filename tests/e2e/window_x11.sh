#!/bin/bash
# The X11 layer of the launcher window on a real desktop: moves through the
# snapping rule, the hit test under the pointer (covering windows, menus,
# the rounded corners, the strip of a hidden window), stay on top without
# re-creating the window, the state kept over hide and show, and dragging.
set -u
source "$TAVRIN_SOURCE_DIR/tests/desktop/desktop.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/probe.sh"

desktop_start
W=174
H=673
probe_start Form1 600 300 $W $H
id=$PROBE_WINDOW

# ---- moves and snapping against the work area (bottom 24 px reserved) ----
expect "move far from edges" "pos 700 200" "$(probe_ask move 700 200)"
expect "top within 9 snaps to 0" "pos 700 0" "$(probe_ask move 700 9)"
expect "right edge within 9 snaps to the screen edge" "pos $((1920 - W)) 200" "$(probe_ask move $((1920 - W - 9)) 200)"
expect "bottom edge snaps to the panel" "pos 700 $((1056 - H))" "$(probe_ask move 700 $((1056 - H + 5)))"
expect "hidden at the top is exact" "pos 700 $((3 - H))" "$(probe_ask move 700 $((3 - H)))"
expect "xwininfo agrees" "700 $((3 - H)) $W $H" "$(win_geometry "$id")"
expect "hidden at the right is exact" "pos 1916 300" "$(probe_ask move 1916 300)"
expect "xwininfo agrees" "1916 300 $W $H" "$(win_geometry "$id")"

# ---- hit test ----
probe_ask move 700 $((3 - H)) >/dev/null
expect "strip of a window hidden at the top" "name-at Form1|" "$(probe_ask name-at 750 2)"
expect "below the strip" "name-at |" "$(probe_ask name-at 750 3)"
probe_ask move 1916 300 >/dev/null
expect "strip of a window hidden at the right" "name-at Form1|" "$(probe_ask name-at 1919 400)"
expect "left of that strip" "name-at |" "$(probe_ask name-at 1915 400)"

probe_ask move 600 300 >/dev/null
expect "inside the window" "name-at Form1|" "$(probe_ask name-at 700 500)"
expect "rounded upper-left corner is cut" "name-at |" "$(probe_ask name-at 600 300)"
expect "just inside the rounding" "name-at Form1|" "$(probe_ask name-at 602 300)"
expect "lower-left corner is square" "name-at Form1|" "$(probe_ask name-at 600 $((300 + H - 1)))"
expect "the desktop" "name-at |" "$(probe_ask name-at 100 100)"

probe_ask menu 650 400 >/dev/null
sleep 0.3
expect "over our own open menu" "name-at ProbeMenu|" "$(probe_ask name-at 660 410)"
probe_ask close-menu >/dev/null
sleep 0.2
expect "menu closed" "name-at Form1|" "$(probe_ask name-at 660 410)"

# ---- layer: not on top sits among ordinary windows, on top above them ----
probe_ask ontop 0 >/dev/null
other_window_start Covering 650 350 300 200
sleep 0.3
expect "another program's window covering ours" "name-at |" "$(probe_ask name-at 700 400)"
expect "uncovered part" "name-at Form1|" "$(probe_ask name-at 620 320)"
before=$(xprop -id "$id" _NET_WM_WINDOW_TYPE WM_CLASS)
probe_ask ontop 1 >/dev/null
sleep 0.3
expect_contains "stay on top asks for ABOVE" _NET_WM_STATE_ABOVE "$(net_wm_state "$id")"
expect "on top of the covering window" "name-at Form1|" "$(probe_ask name-at 700 400)"
expect "same native window" "$id" "$(wait_for_window Form1)"
expect "window type and class unchanged" "$before" "$(xprop -id "$id" _NET_WM_WINDOW_TYPE WM_CLASS)"
probe_ask ontop 0 >/dev/null
sleep 0.3
state=$(net_wm_state "$id")
expect_lacks "not on top drops ABOVE" _NET_WM_STATE_ABOVE "$state"
expect_contains "not on top keeps BELOW" _NET_WM_STATE_BELOW "$state"
timeout 3 xdotool windowactivate "$OTHER_WINDOW" >/dev/null 2>&1 || true
sleep 0.2
expect "covered again" "name-at |" "$(probe_ask name-at 700 400)"
kill "$OTHER_PID"
desktop_reap "$OTHER_PID"

# ---- hide and show keep the state and the stay-on-top choice ----
probe_ask ontop 1 >/dev/null
probe_ask hide >/dev/null
sleep 0.3
expect "hidden window is not hit" "name-at |" "$(probe_ask name-at 700 500)"
probe_ask show >/dev/null
sleep 0.3
state=$(net_wm_state "$id")
expect_contains "skip taskbar after show" _NET_WM_STATE_SKIP_TASKBAR "$state"
expect_contains "skip pager after show" _NET_WM_STATE_SKIP_PAGER "$state"
expect_contains "on top after show" _NET_WM_STATE_ABOVE "$state"
expect "same place after show" "600 300 $W $H" "$(win_geometry "$id")"
probe_ask ontop 0 >/dev/null

# ---- dragging: follows a held button, snaps, stops on release ----
pointer_to 650 310
xdotool mousedown 1
for x in 700 900 1200 1500 1780 1790; do pointer_to "$x" 330; done
pointer_to 1790 15
sleep 0.2
expect "dragged to the right edge and the top, snapped" "$((1920 - W)) 0 $W $H" "$(win_geometry "$id")"
xdotool mouseup 1
sleep 0.2
pointer_to 1000 600
sleep 0.2
expect "moving without a button moves nothing" "$((1920 - W)) 0 $W $H" "$(win_geometry "$id")"
expect "the pointer is free after the drag" "name-at |" "$(probe_ask name-at 1000 600)"

screenshot "$DESKTOP_DIR/window_x11.png"
[[ -n ${WINDOW_E2E_SHOTS:-} ]] && cp "$DESKTOP_DIR/window_x11.png" "$WINDOW_E2E_SHOTS/"
probe_quit
checks_result
