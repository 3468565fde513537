#!/usr/bin/env bash
# The two switches of the context menu on a real desktop. "窗口置顶" lifts
# the same native window above other programs' windows without moving it
# and stores n3 = 1; chosen again it drops back below them and stores
# n3 = 0. "退出时保存位置" stores n4 = 1, and "退出" then ends the program,
# storing where the window stood.
set -euo pipefail
source "$TAVRIN_SOURCE_DIR/tests/desktop/desktop.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/launcher.sh"
desktop_start
shots=$(screenshots_dir)

W=174
H=673
LEFT=800
TOP=300
# The context menu's rows: a 1-pixel border, items 21 pixels high,
# separators 5: 窗口置顶, 退出时保存位置, -, 皮肤, -, 退出.
MENU_HEIGHT=96
ITEM_STAY_ON_TOP=11
ITEM_SAVE_POSITION=32
ITEM_EXIT=84

folder="$DESKTOP_DIR/switches"
make_store "$folder" "$H" "$TOP" "$LEFT"

stored_is() {
    [[ $(stored "$folder" "$1") == "$2" ]]
}

state_has() {
    [[ $(net_wm_state "$id") == *"$1"* ]]
}

state_lacks() {
    [[ $(net_wm_state "$id") != *"$1"* ]]
}

# Position of a window in the stacking order, bottom first.
stacking_rank() {
    local rank=0 window
    for window in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*#//; s/,/ /g'); do
        if ((window == $1)); then
            echo "$rank"
            return 0
        fi
        rank=$((rank + 1))
    done
    return 1
}

launcher_above_clock() {
    (($(stacking_rank "$id") > $(stacking_rank "$CLOCK")))
}

clock_above_launcher() {
    (($(stacking_rank "$CLOCK") > $(stacking_rank "$id")))
}

# choose_context_item ROW: right click on the title strip, then a left
# click on the item whose middle lies ROW pixels below the menu's top.
choose_context_item() {
    local menu mx my mw mh
    read -r wx wy _ < <(win_geometry "$id")
    move_pointer $((wx + 70)) $((wy + 10))
    click 3
    desktop_wait_until 5 menu_is_open "$id" || desktop_fail "no context menu after a right click on the title strip"
    menu=$(open_menus "$id" | head -n1)
    read -r mx my mw mh < <(win_geometry "$menu")
    ((mh == MENU_HEIGHT)) || desktop_fail "context menu is $mw x $mh, expected height $MENU_HEIGHT"
    move_pointer $((mx + mw / 2)) $((my + $1))
    click 1
    desktop_wait_until 5 no_menu_is_open "$id" || desktop_fail "context menu still open after a click on its item"
}

run_tavrin "$folder"
id=$(wait_for_window Tavrin 20) || desktop_fail "main window did not map"
place="$LEFT $TOP $W $H"
expect_geometry "$id" "$place" "start at the saved position"

# Another program's window over part of the launcher, reaching out to its
# right.
start_xclock 200x120+$((LEFT + 100))+$((TOP + 200))
desktop_wait_until 5 clock_above_launcher || desktop_fail "the launcher starts above other windows"
state_lacks _NET_WM_STATE_ABOVE || desktop_fail "ABOVE set at start-up: $(net_wm_state "$id")"

# On.
choose_context_item $ITEM_STAY_ON_TOP
desktop_wait_until 5 state_has _NET_WM_STATE_ABOVE || desktop_fail "窗口置顶 did not set ABOVE: $(net_wm_state "$id")"
desktop_wait_until 5 launcher_above_clock || desktop_fail "the launcher is not above xclock"
move_pointer $((LEFT + W + 50)) $((TOP + 260))
click 1
holds_for 500 launcher_above_clock || desktop_fail "a click on xclock raised it over the launcher on top"
desktop_wait_until 5 stored_is n3 1 || desktop_fail "n3 is '$(stored "$folder" n3)' after 窗口置顶, expected 1"
[[ $(wait_for_window Tavrin) == "$id" ]] || desktop_fail "the window was re-created"
[[ $(win_geometry "$id") == "$place" ]] || desktop_fail "window moved to $(win_geometry "$id") by 窗口置顶"
state_has _NET_WM_STATE_SKIP_TASKBAR || desktop_fail "taskbar entry after 窗口置顶: $(net_wm_state "$id")"
screenshot "$shots/switches-on-top.png"

# Off again.
choose_context_item $ITEM_STAY_ON_TOP
desktop_wait_until 5 state_lacks _NET_WM_STATE_ABOVE || desktop_fail "ABOVE still set: $(net_wm_state "$id")"
desktop_wait_until 5 stored_is n3 0 || desktop_fail "n3 is '$(stored "$folder" n3)' after the second 窗口置顶, expected 0"
# Back among ordinary windows: a click on the clock's free part raises it
# over the launcher.
move_pointer $((LEFT + W + 50)) $((TOP + 260))
click 1
desktop_wait_until 5 clock_above_launcher || desktop_fail "xclock is not above the launcher any more: launcher $id state $(net_wm_state "$id"), clock $CLOCK, stacking $(xprop -root _NET_CLIENT_LIST_STACKING)"
[[ $(wait_for_window Tavrin) == "$id" ]] || desktop_fail "the window was re-created"
[[ $(win_geometry "$id") == "$place" ]] || desktop_fail "window moved to $(win_geometry "$id")"

# Save the position on exit.
[[ $(stored "$folder" n4) == 0 ]] || desktop_fail "n4 is '$(stored "$folder" n4)' before the switch"
choose_context_item $ITEM_SAVE_POSITION
desktop_wait_until 5 stored_is n4 1 || desktop_fail "n4 is '$(stored "$folder" n4)' after 退出时保存位置, expected 1"

# 退出: ends the program and stores the position.
stop_xclock
sqlite3 "$folder/data.db" "update 设置 set n1='', n2='';"
choose_context_item $ITEM_EXIT
expect_exit_code_0 "退出"
[[ $(stored "$folder" "n1 || ',' || n2") == "$TOP,$LEFT" ]] ||
    desktop_fail "stored position '$(stored "$folder" "n1 || ',' || n2")', expected $TOP,$LEFT"
echo "switches_stay_on_top: ok"
