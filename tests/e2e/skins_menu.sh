#!/usr/bin/env bash
# The skin submenu on a real desktop. The store names no skin and "skins"
# holds our seven: the window starts in its default look with the submenu
# usable and nothing checked. Each skin is then chosen in menu order by a
# right click on the title strip, "皮肤" and the skin's item: in the first
# shot that shows the new title strip, the whole frame, the background,
# both button plates and the header bitmap already come from that skin's
# own pictures and differ from the shot before; the store holds the name;
# next time the menu opens it draws its band in the skin's button colour
# and only the chosen item is checked. Each look is saved as
# e2e-screenshots/skin-<n>.png, n being the item's place in the menu (1-7).
set -euo pipefail
source "$TAVRIN_SOURCE_DIR/tests/desktop/desktop.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/accessibility.sh"
source "$TAVRIN_SOURCE_DIR/tests/e2e/skins_lib.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/launcher.sh"
desktop_start
accessibility_start
skins_menu_watch_start
shots=$(screenshots_dir)

folder="$DESKTOP_DIR/skins-menu"
skins_make_folder "$folder" ""
skins_start "$folder"

previous="$DESKTOP_DIR/look-0.png"
skins_window_shot "$previous"
cp "$previous" "$shots/skin-default.png"
previous_skin=""

for ((n = 1; n <= ${#SKINS_CATALOGUE[@]}; n++)); do
    name=${SKINS_CATALOGUE[n - 1]}
    dir="$SKINS_ASSETS/$name"

    # The menu as the last choice left it, then the next choice.
    skins_open_context_menu
    skins_check_checked "$previous_skin"
    [[ -z $previous_skin ]] || skins_check_menu_band "$previous_skin"
    skins_open_skin_submenu
    skins_click_skin_item "$name"
    look="$DESKTOP_DIR/look-$n.png"
    skins_wait_for_look "$dir" title_mid 10 "$look" ||
        desktop_fail "the title strip does not show $name: $(skins_look_mismatches "$look" "$dir" title_mid)"
    skins_check_look "$look" "$dir" "${SKINS_ALL_REGIONS[@]}"
    skins_check_changed "$previous" "$look" "${SKINS_ALL_REGIONS[@]}"
    cp "$look" "$shots/skin-$n.png"
    [[ $(skins_stored_skin "$folder") == "$name" ]] ||
        desktop_fail "皮肤 holds '$(skins_stored_skin "$folder")' after choosing $name"

    previous=$look
    previous_skin=$name
done

# The last choice once more: still the only one checked.
skins_open_context_menu
skins_check_checked "$previous_skin"
skins_close_menus

# Choosing the current skin again keeps it, checked and stored.
skins_choose_from_menu "$previous_skin"
skins_window_shot "$DESKTOP_DIR/look-again.png"
skins_check_look "$DESKTOP_DIR/look-again.png" "$SKINS_ASSETS/$previous_skin" "${SKINS_ALL_REGIONS[@]}"
[[ $(skins_stored_skin "$folder") == "$previous_skin" ]] || desktop_fail "皮肤 changed on choosing the same skin"
skins_open_context_menu
skins_check_checked "$previous_skin"
skins_close_menus
kill -0 "$TAVRIN_PID" || desktop_fail "the launcher is gone"
echo "skins_menu: ok"
