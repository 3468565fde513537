#!/usr/bin/env bash
# The skin's cursor on a real desktop, read from the X server (XFixes) by
# a small probe built here. With no skin the window shows the default
# arrow. Once "春草绿" is chosen, the pointer over any part of the window
# (title strip, title text, a title button, side and bottom strips, the
# background, a header, an entry) shows the skin's own cursor, with the
# size and hotspot of the first picture in its Normal.ani, while the
# desktop keeps its cursor. A skin without Normal.ani ("动感兰" here) loads
# all the rest and brings the default arrow back.
set -euo pipefail
source "$TAVRIN_SOURCE_DIR/tests/desktop/desktop.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/accessibility.sh"
source "$TAVRIN_SOURCE_DIR/tests/e2e/skins_lib.sh"
desktop_start
accessibility_start
skins_menu_watch_start

probe="$DESKTOP_DIR/cursor_probe"
cc -O1 -o "$probe" "$TAVRIN_SOURCE_DIR/tests/e2e/cursor_probe.c" -lX11 -lXfixes ||
    desktop_fail "cannot build the cursor probe (needs libx11-dev and libxfixes-dev)"

with_cursor=春草绿
without_cursor=动感兰
folder="$DESKTOP_DIR/skins-cursor"
skins_make_folder "$folder" ""
rm "$folder/skins/$without_cursor/Normal.ani"

# Size and hotspot of the first picture of an animated cursor file: the
# first "icon" chunk holds a Windows cursor file whose first directory
# entry gives them.
ani_first_frame() {
    /usr/bin/python3 - "$1" <<'PY'
import struct
import sys
data = open(sys.argv[1], "rb").read()
at = data.index(b"icon") + 8
width, height = data[at + 6], data[at + 7]
hot_x, hot_y = struct.unpack_from("<HH", data, at + 10)
print(width or 256, height or 256, hot_x, hot_y)
PY
}

# Points of the window, relative to its corner: title strip, title text,
# minimise button, left strip, right strip, bottom strip, header, first
# entry, background.
POINTS=("75 12" "14 14" "120 13" "3 300" "170 300" "90 596" "90 42" "90 67" "90 400")
DESKTOP_POINT="300 700"

cursor_at() { # X Y
    skins_move_pointer "$1" "$2"
    "$probe"
}

# cursor_becomes X Y TEST: polls the cursor at the point until TEST (a
# function given the probe's line) accepts it.
cursor_becomes() {
    local x=$1 y=$2 test=$3 line deadline=$((SECONDS + 10))
    skins_move_pointer "$x" "$y"
    while :; do
        line=$("$probe")
        "$test" "$line" && { echo "$line"; return 0; }
        ((SECONDS < deadline)) || { echo "$line"; return 1; }
        sleep 0.05
    done
}

is_default_arrow() { [[ $1 == "$arrow" ]]; }
is_desktop_cursor() { [[ $1 == "$desktop" ]]; }
is_skin_cursor() { [[ $1 == "$skin_frame "* && $1 != "$arrow" && $1 != "$desktop" ]]; }

skins_start "$folder"
desktop=$(cursor_at "${DESKTOP_POINT% *}" "${DESKTOP_POINT#* }")
arrow=$(cursor_at $((SKINS_LEFT + 90)) $((SKINS_TOP + 400)))
[[ -n $arrow && -n $desktop ]] || desktop_fail "the probe read no cursor"

# The skin with a cursor.
skin_frame=$(ani_first_frame "$SKINS_ASSETS/$with_cursor/Normal.ani")
desktop_log "cursors: desktop $desktop, window arrow $arrow, skin frame $skin_frame"
[[ $(cut -d' ' -f1-4 <<<"$arrow") != "$skin_frame" ]] ||
    desktop_fail "the default arrow already has the size and hotspot of the skin's cursor ($skin_frame)"
skins_choose_from_menu "$with_cursor"
skins_wait_for_look "$SKINS_ASSETS/$with_cursor" title_mid 10 "$DESKTOP_DIR/with.png" ||
    desktop_fail "$with_cursor did not load"
for point in "${POINTS[@]}"; do
    read -r px py <<<"$point"
    seen=$(cursor_becomes $((SKINS_LEFT + px)) $((SKINS_TOP + py)) is_skin_cursor) ||
        desktop_fail "cursor at $point of the window is '$seen', expected the skin's ($skin_frame), not the arrow '$arrow'"
    desktop_log "cursor at $point: $seen"
done
seen=$(cursor_becomes "${DESKTOP_POINT% *}" "${DESKTOP_POINT#* }" is_desktop_cursor) ||
    desktop_fail "cursor over the desktop is '$seen', expected '$desktop' as before"

# The skin without a cursor: the rest of it loads, the arrow comes back.
skins_choose_from_menu "$without_cursor"
skins_wait_for_look "$SKINS_ASSETS/$without_cursor" title_mid 10 "$DESKTOP_DIR/without.png" ||
    desktop_fail "$without_cursor did not load"
skins_check_look "$DESKTOP_DIR/without.png" "$SKINS_ASSETS/$without_cursor" "${SKINS_ALL_REGIONS[@]}"
for point in "${POINTS[@]}"; do
    read -r px py <<<"$point"
    seen=$(cursor_becomes $((SKINS_LEFT + px)) $((SKINS_TOP + py)) is_default_arrow) ||
        desktop_fail "cursor at $point of the window is '$seen', expected the default arrow '$arrow'"
done
echo "skins_cursor: ok"
