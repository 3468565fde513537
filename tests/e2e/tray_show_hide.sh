#!/usr/bin/env bash
# The tray icon on a real desktop: a single left click opens the tray menu
# once the double-click time has passed, a double click shows the window
# and opens no menu; "隐藏" unmaps the window, a window shown from its
# hidden place at the top lands at the top edge and stays there until the
# pointer passes over the bar; "退出" ends the program with exit code 0.
# The window never asks for a taskbar entry.
set -euo pipefail
source "$TAVRIN_SOURCE_DIR/tests/desktop/desktop.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/launcher.sh"
desktop_start
shots=$(screenshots_dir)

W=174
H=673
LEFT=800

folder="$DESKTOP_DIR/tray"
make_store "$folder" "$H" 0 "$LEFT"

map_state_is() {
    xwininfo -id "$1" | grep -q "Map State: $2"
}

expect_no_taskbar_entry() {
    local state
    state=$(net_wm_state "$id")
    [[ $state == *_NET_WM_STATE_SKIP_TASKBAR* ]] || desktop_fail "$1: taskbar entry not skipped: '$state'"
}

pointer_to_tray() {
    move_pointer "$TRAY_X" "$TRAY_Y"
}

# open_tray_menu: a single click on the tray icon; waits for the menu.
open_tray_menu() {
    local start
    pointer_to_tray
    start=$(ms_now)
    click 1
    desktop_wait_until 5 menu_is_open "$id" || desktop_fail "no tray menu after a single click"
    echo "tray_show_hide: tray menu open $(($(ms_now) - start)) ms after the click" >&2
}

# choose_tray_item DOWN_PRESSES: picks an item of the open tray menu with
# the keyboard (显示 1, 隐藏 2, 退出 3: the separator is skipped).
choose_tray_item() {
    local i
    for ((i = 0; i < $1; i++)); do xdotool key Down; done
    xdotool key Return
    desktop_wait_until 5 no_menu_is_open "$id" || desktop_fail "tray menu still open after choosing an item"
}

double_click_tray() {
    pointer_to_tray
    xdotool click --repeat 2 --delay 80 1
}

run_tavrin "$folder"
id=$(wait_for_window Tavrin 20) || desktop_fail "main window did not map"
expect_geometry "$id" "$LEFT 0 $W $H" "start docked at the top"
expect_no_taskbar_entry "at start-up"
wait_for_tray_icon

hidden="$LEFT $((3 - H)) $W $H"
shown="$LEFT 0 $W $H"

# The pointer goes to the tray: the docked window slides up.
pointer_to_tray
expect_geometry "$id" "$hidden" "hidden at the top"

# Tray menu, "隐藏": the window is unmapped.
open_tray_menu
screenshot "$shots/tray-menu.png"
choose_tray_item 2
desktop_wait_until 5 map_state_is "$id" IsUnMapped || desktop_fail "隐藏 did not unmap the window"

# A double click shows it again at the top edge, opens no menu, and the
# window stays put although the pointer is away from it.
double_click_tray
desktop_wait_until 5 map_state_is "$id" IsViewable || desktop_fail "double click did not show the window"
expect_geometry "$id" "$shown" "shown from the hidden place at the top"
expect_no_taskbar_entry "after the double click"
holds_for 1000 no_menu_is_open "$id" || desktop_fail "a double click opened a menu"
holds_for 600 geometry_is "$id" "$shown" || desktop_fail "window moved after show: $(win_geometry "$id")"
screenshot "$shots/tray-shown.png"

# Docking resumes once the pointer passes over the bar.
move_pointer $((LEFT + 87)) 300
pointer_to_tray
expect_geometry "$id" "$hidden" "hidden again after the pointer crossed the bar"

# Tray menu, "显示", on a window that is mapped but slid out of sight.
open_tray_menu
choose_tray_item 1
expect_geometry "$id" "$shown" "显示 brings the window back to the top edge"
expect_no_taskbar_entry "after 显示"

# Tray menu, "退出": the program ends with exit code 0.
open_tray_menu
choose_tray_item 3
expect_exit_code_0 "退出"
echo "tray_show_hide: ok"
