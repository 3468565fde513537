#!/bin/bash
# The test desktop starts with its work area, and a launcher-type window is
# placed exactly, partly off the screen, with no taskbar button.
set -u
source "$TAVRIN_SOURCE_DIR/tests/desktop/desktop.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/probe.sh"

desktop_start

expect "work area leaves the tray panel out" "0 0 1920 1056" "$(desktop_work_area)"

H=673
probe_start Form1 500 $((3 - H)) 174 $H
expect "placed exactly, partly off the screen" "500 $((3 - H)) 174 $H" "$(win_geometry "$PROBE_WINDOW")"
expect "dock window type" "_NET_WM_WINDOW_TYPE_DOCK" "$(net_wm_window_type "$PROBE_WINDOW")"
state=$(net_wm_state "$PROBE_WINDOW")
expect_contains "skips the taskbar" _NET_WM_STATE_SKIP_TASKBAR "$state"
expect_contains "skips the pager" _NET_WM_STATE_SKIP_PAGER "$state"
expect "the program reads the same position back" "pos 500 $((3 - H))" "$(probe_ask pos)"
expect "the program sees the same work area" "workarea 0 0 1920 1056" "$(probe_ask workarea)"
expect "the program sees the screen" "screen 1920 1080" "$(probe_ask screen)"

screenshot "$DESKTOP_DIR/smoke.png"
expect "screenshot taken" "yes" "$([[ -s $DESKTOP_DIR/smoke.png ]] && echo yes || echo no)"

probe_quit
checks_result
