#!/usr/bin/env bash
# A chosen skin survives a restart. From the default look two skins are
# chosen one after the other; "退出" in the context menu ends the program,
# and the next start comes up in the second skin, with its item the only
# one checked.
set -euo pipefail
source "$TAVRIN_SOURCE_DIR/tests/desktop/desktop.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/accessibility.sh"
source "$TAVRIN_SOURCE_DIR/tests/e2e/skins_lib.sh"
desktop_start
accessibility_start
skins_menu_watch_start

first=冷艳紫
second=古典青
folder="$DESKTOP_DIR/skins-restart"
skins_make_folder "$folder" ""
skins_start "$folder"

skins_choose_from_menu "$first"
skins_wait_for_look "$SKINS_ASSETS/$first" title_mid 10 "$DESKTOP_DIR/first.png" ||
    desktop_fail "$first did not load"
skins_choose_from_menu "$second"
skins_wait_for_look "$SKINS_ASSETS/$second" title_mid 10 "$DESKTOP_DIR/second.png" ||
    desktop_fail "$second did not load"
skins_check_look "$DESKTOP_DIR/second.png" "$SKINS_ASSETS/$second" "${SKINS_ALL_REGIONS[@]}"

# 退出 from the context menu.
skins_open_context_menu
read -r x y < <(menu_item_centre 退出)
skins_move_pointer "$x" "$y"
click 1
desktop_wait_until 10 bash -c "! kill -0 $TAVRIN_PID" || desktop_fail "退出 did not end the program"
code=0
wait "$TAVRIN_PID" || code=$?
((code == 0)) || desktop_fail "exit code $code after 退出"
[[ $(skins_stored_skin "$folder") == "$second" ]] ||
    desktop_fail "皮肤 holds '$(skins_stored_skin "$folder")', expected $second"

# The next start: the second skin from the first frame on.
skins_start "$folder"
skins_window_shot "$DESKTOP_DIR/restarted.png"
skins_check_look "$DESKTOP_DIR/restarted.png" "$SKINS_ASSETS/$second" "${SKINS_ALL_REGIONS[@]}"
skins_open_context_menu
skins_check_checked "$second"
skins_close_menus
echo "skins_restart: ok"
