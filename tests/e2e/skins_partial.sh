#!/usr/bin/env bash
# Skins that are not whole. (1) "玫瑰红" is our skin without "背景.jpg": chosen
# from the menu over "春草绿", it brings its own frame (title strip, side
# strips, bottom) and colours (the menu's band), while the background, the
# button plates and the header bitmap stay those of "春草绿"; the choice is
# stored and checked all the same. (2) A stored skin whose directory is
# missing: the window starts in its default look, the same as with no skin
# named, and the stored skin's item is checked.
set -euo pipefail
source "$TAVRIN_SOURCE_DIR/tests/desktop/desktop.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/accessibility.sh"
source "$TAVRIN_SOURCE_DIR/tests/e2e/skins_lib.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/launcher.sh"
desktop_start
accessibility_start
skins_menu_watch_start
shots=$(screenshots_dir)

whole=春草绿
partial=玫瑰红
folder="$DESKTOP_DIR/skins-partial"
skins_make_folder "$folder" "$whole"
rm "$folder/skins/$partial/背景.jpg"

skins_start "$folder"
skins_window_shot "$DESKTOP_DIR/whole.png"
skins_check_look "$DESKTOP_DIR/whole.png" "$SKINS_ASSETS/$whole" "${SKINS_ALL_REGIONS[@]}"

skins_choose_from_menu "$partial"
skins_wait_for_look "$SKINS_ASSETS/$partial" title_mid 10 "$DESKTOP_DIR/mixed.png" ||
    desktop_fail "the frame of $partial did not load"
cp "$DESKTOP_DIR/mixed.png" "$shots/skin-partial.png"
skins_check_look "$DESKTOP_DIR/mixed.png" "$SKINS_ASSETS/$partial" "${SKINS_FRAME_REGIONS[@]}"
skins_check_look "$DESKTOP_DIR/mixed.png" "$SKINS_ASSETS/$whole" background minimize close header
[[ $(skins_stored_skin "$folder") == "$partial" ]] ||
    desktop_fail "皮肤 holds '$(skins_stored_skin "$folder")', expected $partial"
skins_open_context_menu
skins_check_checked "$partial"
skins_check_menu_band "$partial"
skins_close_menus
stop_tavrin

# The default look: no skin named.
sqlite3 "$folder/data.db" "update 设置 set 皮肤='';"
skins_start "$folder"
skins_window_shot "$DESKTOP_DIR/default.png"
skins_open_context_menu
skins_check_checked ""
skins_close_menus
stop_tavrin

# A stored skin without its directory.
missing=落日黄
rm -r "$folder/skins/$missing"
sqlite3 "$folder/data.db" "update 设置 set 皮肤='$missing';"
skins_start "$folder"
skins_window_shot "$DESKTOP_DIR/missing.png"
skins_check_same "$DESKTOP_DIR/default.png" "$DESKTOP_DIR/missing.png" "${SKINS_ALL_REGIONS[@]}"
skins_check_changed "$DESKTOP_DIR/whole.png" "$DESKTOP_DIR/missing.png" "${SKINS_ALL_REGIONS[@]}"
skins_open_context_menu
skins_check_checked "$missing"
skins_close_menus
echo "skins_partial: ok"
