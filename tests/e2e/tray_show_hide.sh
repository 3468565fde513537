#!/usr/bin/env bash
# The tray icon on a real desktop: a single left click opens the tray menu
# once the double-click time has passed, a double click shows the window
# and opens no menu; "隐藏" unmaps the window, a window shown from its
# hidden place at the top lands at the top edge and stays there until the
# pointer passes over the bar; "退出" ends the program with exit code 0.
# The window never asks for a taskbar entry.
set -euo pipefail
source "$TAVRIN_SOURCE_DIR/tests/desktop/desktop.sh"
desktop_start
shots="${TAVRIN_BINARY_DIR}/e2e-screenshots"
mkdir -p "$shots"

W=174
H=673
LEFT=800

folder="$DESKTOP_DIR/tray"
mkdir -p "$folder"
sqlite3 "$folder/data.db" "
    create table 设置(title, 皮肤, height, n1, n2, n3, n4, menu);
    insert into 设置 values('Tavrin', '', '$H', '0', '$LEFT', '0', '0', '1');
    create table 分类(id, name, 排序);
    create table 软件(id, name, target, params, 分类, 排序);"

# Moves the pointer; a move onto the spot where it already is would make
# xdotool wait for motion that never comes.
move_pointer() {
    local current
    current=$(xdotool getmouselocation | sed -E 's/^x:([0-9-]+) y:([0-9-]+).*/\1 \2/')
    [[ $current == "$1 $2" ]] || pointer_to "$1" "$2"
}

ms_now() {
    echo $(($(date +%s%N) / 1000000))
}

geometry_is() {
    [[ $(win_geometry "$1") == "$2" ]]
}

expect_geometry() {
    desktop_wait_until 5 geometry_is "$1" "$2" ||
        desktop_fail "$3: window at $(win_geometry "$1"), expected $2"
}

# holds_for MS COMMAND...: COMMAND stays true for MS milliseconds.
holds_for() {
    local end=$(($(ms_now) + $1))
    shift
    while (($(ms_now) < end)); do
        "$@" || return 1
        sleep 0.05
    done
}

map_state_is() {
    xwininfo -id "$1" | grep -q "Map State: $2"
}

# Popup menus of the launcher: visible override-redirect windows of its
# class, bigger than the tray icon.
open_menus() {
    local window w h
    for window in $(xdotool search --onlyvisible --classname tavrin 2>/dev/null); do
        [[ $window != "$id" ]] || continue
        xwininfo -id "$window" | grep -q 'Override Redirect State: yes' || continue
        read -r _ _ w h < <(win_geometry "$window")
        ((w >= 40 && h >= 40)) && echo "$window"
    done
    return 0
}

menu_is_open() {
    [[ -n $(open_menus) ]]
}

no_menu_is_open() {
    [[ -z $(open_menus) ]]
}

expect_no_taskbar_entry() {
    local state
    state=$(net_wm_state "$id")
    [[ $state == *_NET_WM_STATE_SKIP_TASKBAR* ]] || desktop_fail "$1: taskbar entry not skipped: '$state'"
}

tray_x=0 tray_y=0
pointer_to_tray() {
    move_pointer "$tray_x" "$tray_y"
}

# open_tray_menu: a single click on the tray icon; waits for the menu.
open_tray_menu() {
    local start
    pointer_to_tray
    start=$(ms_now)
    click 1
    desktop_wait_until 5 menu_is_open || desktop_fail "no tray menu after a single click"
    echo "tray_show_hide: tray menu open $(($(ms_now) - start)) ms after the click" >&2
}

# choose_tray_item DOWN_PRESSES: picks an item of the open tray menu with
# the keyboard (显示 1, 隐藏 2, 退出 3: the separator is skipped).
choose_tray_item() {
    local i
    for ((i = 0; i < $1; i++)); do xdotool key Down; done
    xdotool key Return
    desktop_wait_until 5 no_menu_is_open || desktop_fail "tray menu still open after choosing an item"
}

double_click_tray() {
    pointer_to_tray
    xdotool click --repeat 2 --delay 80 1
}

run_tavrin "$folder"
id=$(wait_for_window Tavrin 20) || desktop_fail "main window did not map"
expect_geometry "$id" "$LEFT 0 $W $H" "start docked at the top"
expect_no_taskbar_entry "at start-up"
desktop_wait_until 10 tray_icon_geometry >/dev/null || desktop_fail "no tray icon"
read -r tx ty tw th < <(tray_icon_geometry)
tray_x=$((tx + tw / 2))
tray_y=$((ty + th / 2))

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
holds_for 1000 no_menu_is_open || desktop_fail "a double click opened a menu"
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
desktop_wait_until 10 bash -c "! kill -0 $TAVRIN_PID" || desktop_fail "退出 did not end the program"
code=0
wait "$TAVRIN_PID" || code=$?
((code == 0)) || desktop_fail "exit code $code after 退出"
echo "tray_show_hide: ok"
