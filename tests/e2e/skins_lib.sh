# Shared parts of the skin tests on the test desktop. Sourced after
# tests/desktop/desktop.sh (and accessibility.sh where menus are read).
#
#   skins_make_folder FOLDER SKIN     data.db with one category, ./skins
#   skins_window_shot OUT             the window cut out of a screenshot
#   skins_check_look SHOT SKINDIR REGION...   pixels come from that skin
#   skins_menu_watch_start            menus read through accessibility
#   skins_choose_from_menu NAME       right click, 皮肤, then NAME
#
# The window stands at SKINS_LEFT, SKINS_TOP, SKINS_W x SKINS_H; regions are
# given relative to its top-left corner.

SKINS_CATALOGUE=(春草绿 动感兰 复古灰 古典青 冷艳紫 落日黄 玫瑰红)
SKINS_W=174
SKINS_H=600
SKINS_LEFT=800
SKINS_TOP=200
SKINS_ASSETS="$TAVRIN_SOURCE_DIR/assets/skins"

# Where each skin file shows in the window. Per region: x y w h in the
# window, the skin file, the size the window stretches it to ("-" when it
# is drawn as it is) and the part of the stretched picture that lands in
# the region (x y). The title text, the header caption and the header's
# round button are left out; the upper corners are cut round.
declare -A SKINS_REGION=(
    [title_left]="40 2 16 22 顶边_左.jpg - 40 2"
    [title_mid]="57 0 36 26 顶边_中.jpg 36x26 0 0"
    [title_right]="93 2 13 22 顶边_右.jpg 81x26 0 2"
    [side_left]="0 60 8 480 边框_左.jpg 8x566 0 34"
    [side_right]="166 60 8 480 边框_右.jpg 8x566 0 34"
    [bottom_left]="0 592 8 8 底边_左.jpg - 0 0"
    [bottom_mid]="18 592 130 8 底边_中.jpg 158x8 10 0"
    [bottom_right]="166 592 8 8 底边_右.jpg - 0 0"
    [background]="28 140 118 420 背景.jpg 158x566 20 114"
    [minimize]="107 6 28 15 最小化over.bmp - 0 0"
    [close]="138 6 28 15 关闭over.bmp - 0 0"
    [header]="60 32 70 20 分类栏.bmp - 47 1"
)
SKINS_FRAME_REGIONS=(title_left title_mid title_right side_left side_right bottom_left bottom_mid bottom_right)
SKINS_ALL_REGIONS=("${SKINS_FRAME_REGIONS[@]}" background minimize close header)

# Largest difference of one channel allowed between a region on screen and
# the same part of the skin's own picture (decoders and stretching differ
# a little from ImageMagick's).
SKINS_TOLERANCE=4

# skins_make_folder FOLDER SKIN: a store that shows the window at
# SKINS_LEFT, SKINS_TOP, SKINS_H high, with skin SKIN, one open category
# with two entries, and a copy of our seven skins under FOLDER/skins.
skins_make_folder() {
    local folder=$1 skin=$2
    mkdir -p "$folder"
    rm -f "$folder/data.db"
    sqlite3 "$folder/data.db" "
        create table 设置(title, 皮肤, height, n1, n2, n3, n4, menu);
        insert into 设置 values('Tavrin', '$skin', '$SKINS_H', '$SKINS_TOP', '$SKINS_LEFT', '0', '0', '1');
        create table 分类(id, name, 排序);
        insert into 分类 values(1, '常用', 1);
        create table 软件(id, name, target, params, 分类, 排序);
        insert into 软件 values(1, '临时文件夹', '/tmp', '', '常用', 1);
        insert into 软件 values(2, 'Debian', 'https://www.debian.org/', '', '常用', 2);"
    rm -rf "$folder/skins"
    cp -r "$SKINS_ASSETS" "$folder/skins"
}

skins_stored_skin() {
    sqlite3 "$1/data.db" 'select 皮肤 from 设置;'
}

# skins_start FOLDER: runs the launcher there and waits for its window at
# its stored place; sets SKINS_ID. (The tray icon's window also carries the
# title until the tray panel takes it in, so the place decides.)
skins_start() {
    local folder=$1
    SKINS_ID=""
    run_tavrin "$folder"
    desktop_wait_until 20 skins_find_window ||
        { cat "$folder/tavrin.log" >&2; desktop_fail "no window at $SKINS_LEFT $SKINS_TOP $SKINS_W $SKINS_H"; }
    SKINS_ID=$(skins_find_window)
}

skins_find_window() {
    local id
    for id in $(xdotool search --maxdepth 2 --onlyvisible --name '^Tavrin$' 2>/dev/null); do
        if [[ $(win_geometry "$id") == "$SKINS_LEFT $SKINS_TOP $SKINS_W $SKINS_H" ]]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# Moves the pointer; a move onto the spot where it already is would make
# xdotool wait for motion that never comes.
skins_move_pointer() {
    local current
    current=$(xdotool getmouselocation | sed -E 's/^x:([0-9-]+) y:([0-9-]+).*/\1 \2/')
    [[ $current == "$1 $2" ]] || pointer_to "$1" "$2"
}

# skins_window_shot OUT: the window's pixels, cut out of a screenshot.
skins_window_shot() {
    rm -f "$1.means"
    import -window root -crop "${SKINS_W}x${SKINS_H}+${SKINS_LEFT}+${SKINS_TOP}" +repage "$1"
}

# rgb_mean IMAGE X Y W H: mean colour of the area, as "r g b" (0-255).
rgb_mean() {
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -scale '1x1!' \
        -format '%[fx:round(255*r)] %[fx:round(255*g)] %[fx:round(255*b)]' info:
}

# colour_distance "r g b" "r g b": the largest difference of one channel.
colour_distance() {
    local -a first second
    read -r -a first <<<"$1"
    read -r -a second <<<"$2"
    local i d max=0
    for i in 0 1 2; do
        d=$((first[i] - second[i]))
        ((d < 0)) && d=$((-d))
        ((d > max)) && max=$d
    done
    echo "$max"
}

# Mean colours are worked out once per picture and kept in a file beside
# it (a shot) or in DESKTOP_DIR (a skin), so that the helpers below may run
# in command substitutions.
#
# Prints "region r g b" for every region, from one ImageMagick run over
# the images that the arguments after the first build (one per region, in
# the order of SKINS_ALL_REGIONS; the first image is dropped).
skins_means_of() {
    convert "$@" -delete 0 -format '%[fx:round(255*r)] %[fx:round(255*g)] %[fx:round(255*b)]\n' info: |
        paste -d' ' <(printf '%s\n' "${SKINS_ALL_REGIONS[@]}") -
}

# region_on_screen SHOT REGION: mean colour of the region in a window shot.
region_on_screen() {
    local shot=$1 cache="$1.means" region
    if [[ ! -s $cache ]]; then
        local -a args=("$shot") r
        for region in "${SKINS_ALL_REGIONS[@]}"; do
            read -r -a r <<<"${SKINS_REGION[$region]}"
            args+=('(' -clone 0 -crop "${r[2]}x${r[3]}+${r[0]}+${r[1]}" +repage -scale '1x1!' ')')
        done
        skins_means_of "${args[@]}" >"$cache.new" && mv "$cache.new" "$cache"
    fi
    awk -v r="$2" '$1 == r {print $2, $3, $4}' "$cache"
}

# region_expected SKINDIR REGION: mean colour of the part of the skin's own
# picture that the window shows in the region.
region_expected() {
    local dir=$1 cache="$DESKTOP_DIR/colours-of-${1//\//_}" region
    if [[ ! -s $cache ]]; then
        local -a args=(xc:black) r
        for region in "${SKINS_ALL_REGIONS[@]}"; do
            read -r -a r <<<"${SKINS_REGION[$region]}"
            [[ -f $dir/${r[4]} ]] || desktop_fail "no $dir/${r[4]}"
            args+=('(' "$dir/${r[4]}")
            [[ ${r[5]} == - ]] || args+=(-resize "${r[5]}!")
            args+=(-crop "${r[2]}x${r[3]}+${r[6]}+${r[7]}" +repage -scale '1x1!' ')')
        done
        skins_means_of "${args[@]}" >"$cache.new" && mv "$cache.new" "$cache"
    fi
    awk -v r="$2" '$1 == r {print $2, $3, $4}' "$cache"
}

# skins_look_mismatches SHOT SKINDIR REGION...: prints one line per region
# whose colour on screen is not that of the skin's picture; nothing when
# all match.
skins_look_mismatches() {
    local shot=$1 dir=$2 region seen wanted
    shift 2
    for region in "$@"; do
        seen=$(region_on_screen "$shot" "$region")
        wanted=$(region_expected "$dir" "$region")
        if (($(colour_distance "$seen" "$wanted") > SKINS_TOLERANCE)); then
            echo "$region: on screen $seen, $(basename "$dir") has $wanted"
        fi
    done
}

# skins_check_look SHOT SKINDIR REGION...: fails the test on a mismatch.
skins_check_look() {
    local mismatches
    mismatches=$(skins_look_mismatches "$@")
    [[ -z $mismatches ]] || desktop_fail "$(basename "$1") does not show $(basename "$2") in: $mismatches"
}

# skins_check_same SHOT_A SHOT_B REGION...: the regions look alike in both
# shots (within the tolerance).
skins_check_same() {
    local a=$1 b=$2 region ca cb bad=""
    shift 2
    for region in "$@"; do
        ca=$(region_on_screen "$a" "$region")
        cb=$(region_on_screen "$b" "$region")
        if (($(colour_distance "$ca" "$cb") > SKINS_TOLERANCE)); then
            bad+=" $region ($ca / $cb)"
        fi
    done
    [[ -z $bad ]] || desktop_fail "$(basename "$a") and $(basename "$b") differ in:$bad"
}

# skins_check_changed SHOT_BEFORE SHOT_AFTER REGION...: every region's colour
# moved from the one shot to the other.
skins_check_changed() {
    local a=$1 b=$2 region ca cb bad=""
    shift 2
    for region in "$@"; do
        ca=$(region_on_screen "$a" "$region")
        cb=$(region_on_screen "$b" "$region")
        if (($(colour_distance "$ca" "$cb") <= 2)); then
            bad+=" $region ($ca)"
        fi
    done
    [[ -z $bad ]] || desktop_fail "unchanged from $(basename "$a") to $(basename "$b"):$bad"
}

# skins_wait_for_look SKINDIR REGION TIMEOUT OUT: takes window shots until
# REGION shows the skin; the last shot is left in OUT.
skins_wait_for_look() {
    local dir=$1 region=$2 timeout=$3 out=$4
    local deadline=$((SECONDS + timeout))
    while :; do
        skins_window_shot "$out"
        [[ -z $(skins_look_mismatches "$out" "$dir" "$region") ]] && return 0
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# skins_button_colour SKINDIR: the colour "按钮背景色" of the skin's
# config.ini as "r g b". Numbers only ($hex, 0xhex, xhex, decimal), which
# is what our skins hold for this key; the file may be UTF-8 (with or
# without a byte order mark), UTF-16 with one, or GB18030.
skins_button_colour() {
    /usr/bin/python3 - "$1/config.ini" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
if data.startswith(b"\xff\xfe") or data.startswith(b"\xfe\xff"):
    text = data.decode("utf-16")
else:
    try:
        text = data.decode("utf-8-sig")
    except UnicodeDecodeError:
        text = data.decode("gb18030")
section = None
for line in text.splitlines():
    line = line.strip()
    if line.startswith("[") and line.endswith("]"):
        section = line[1:-1]
    elif section == "Tavrin" and line.startswith("按钮背景色="):
        value = line.split("=", 1)[1]
        for prefix in ("$", "0x", "0X", "x", "X"):
            if value.startswith(prefix):
                number = int(value[len(prefix):], 16)
                break
        else:
            number = int(value)
        print(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF)
        sys.exit(0)
sys.exit("no 按钮背景色 in " + sys.argv[1])
PY
}

# --- Menus, read through the accessibility bus -------------------------
#
# A listener on the bus writes the whole context menu, submenus included,
# to SKINS_MENU_FILE whenever one of its menus shows or an item takes the
# focus, one item a line: role|name|x|y|width|height|checked|enabled|showing.

SKINS_MENU_FILE=""

skins_menu_watch_start() {
    SKINS_MENU_FILE="$DESKTOP_DIR/menu.txt"
    cat >"$DESKTOP_DIR/menu_watch.py" <<'PY'
import os
import sys

import pyatspi
from gi.repository import Atspi

out = sys.argv[1]


def lines(node, acc):
    role = node.getRoleName()
    if role in ("menu item", "menu"):
        extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        states = node.getState()
        acc.append("|".join([
            role, node.name or "", str(extents.x), str(extents.y),
            str(extents.width), str(extents.height),
            "checked" if states.contains(pyatspi.STATE_CHECKED) else "-",
            "enabled" if states.contains(pyatspi.STATE_ENABLED) else "-",
            "showing" if states.contains(pyatspi.STATE_SHOWING) else "-",
        ]))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            lines(child, acc)


def on_event(event):
    try:
        node = event.source
        if node.getRoleName() not in ("popup menu", "menu item", "menu"):
            return
        while node.parent is not None and node.parent.getRoleName() in ("popup menu", "menu item", "menu"):
            node = node.parent
        # Check marks change without an event: keep nothing cached.
        node.get_application().set_cache_mask(Atspi.Cache.NONE)
        node.clear_cache()
        acc = []
        lines(node, acc)
        with open(out + ".new", "w") as f:
            f.write("\n".join(acc) + "\n")
        os.replace(out + ".new", out)
    except Exception:
        pass


pyatspi.Registry.registerEventListener(on_event, "object:state-changed:showing", "object:state-changed:focused")
pyatspi.Registry.start()
PY
    /usr/bin/python3 "$DESKTOP_DIR/menu_watch.py" "$SKINS_MENU_FILE" >"$DESKTOP_DIR/menu_watch.log" 2>&1 &
    desktop_track $!
}

# menu_line NAME: the listener's line of the item called NAME.
menu_line() {
    [[ -f $SKINS_MENU_FILE ]] && awk -F'|' -v n="$1" '$2 == n' "$SKINS_MENU_FILE" | head -n1
}

# menu_item_shown NAME: the item is on screen.
menu_item_shown() {
    local line
    line=$(menu_line "$1")
    [[ -n $line && $(cut -d'|' -f9 <<<"$line") == showing ]] && (($(cut -d'|' -f5 <<<"$line") > 0))
}

# menu_item_centre NAME: x y of the middle of the item on the screen.
menu_item_centre() {
    menu_line "$1" | awk -F'|' '{print $3 + int($5 / 2), $4 + int($6 / 2)}'
}

# menu_checked_skins: the skin items that carry a check mark, one a line.
menu_checked_skins() {
    local name
    for name in "${SKINS_CATALOGUE[@]}"; do
        [[ $(menu_line "$name" | cut -d'|' -f7) == checked ]] && echo "$name"
    done
    return 0
}

# Popup menus of the launcher on the screen: their X window ids.
skins_open_menus() {
    local window w h
    for window in $(xdotool search --onlyvisible --classname tavrin 2>/dev/null); do
        [[ $window != "$SKINS_ID" ]] || continue
        xwininfo -id "$window" | grep -q 'Override Redirect State: yes' || continue
        read -r _ _ w h < <(win_geometry "$window")
        ((w >= 40 && h >= 40)) && echo "$window"
    done
    return 0
}

skins_no_menu_is_open() {
    [[ -z $(skins_open_menus) ]]
}

# skins_open_context_menu: a right click on the middle of the title strip
# opens the context menu; waits until its items are known.
skins_open_context_menu() {
    rm -f "$SKINS_MENU_FILE"
    skins_move_pointer $((SKINS_LEFT + 70)) $((SKINS_TOP + 12))
    click 3
    desktop_wait_until 10 menu_item_shown 皮肤 ||
        desktop_fail "no context menu after a right click on the title strip (menu: $(cat "$SKINS_MENU_FILE" 2>/dev/null))"
}

# skins_open_skin_submenu: with the context menu open, a click on "皮肤"
# opens the submenu beside it.
skins_open_skin_submenu() {
    [[ $(menu_line 皮肤 | cut -d'|' -f8) == enabled ]] || desktop_fail "the skin submenu is disabled"
    local x y
    read -r x y < <(menu_item_centre 皮肤)
    skins_move_pointer "$x" "$y"
    click 1
    desktop_wait_until 10 menu_item_shown "${SKINS_CATALOGUE[0]}" ||
        desktop_fail "the skin submenu did not open (menu: $(cat "$SKINS_MENU_FILE"))"
}

# skins_close_menus: Escape until no menu of the launcher is left.
skins_close_menus() {
    for _ in 1 2 3; do
        skins_no_menu_is_open && return 0
        xdotool key --clearmodifiers Escape
        desktop_wait_until 2 skins_no_menu_is_open && return 0
    done
    desktop_fail "the menus do not close"
}

# skins_click_skin_item NAME: with the skin submenu open, a click on NAME.
skins_click_skin_item() {
    local name=$1 x y
    read -r x y < <(menu_item_centre "$name")
    skins_move_pointer "$x" "$y"
    click 1
    desktop_wait_until 5 skins_no_menu_is_open || desktop_fail "menus still open after a click on $name"
}

# skins_choose_from_menu NAME: right click on the title strip, "皮肤", NAME.
skins_choose_from_menu() {
    skins_open_context_menu
    skins_open_skin_submenu
    skins_click_skin_item "$1"
}

# skins_check_checked NAME: with the context menu open, NAME is the only
# skin item with a check mark ("" for none).
skins_check_checked() {
    local checked
    checked=$(menu_checked_skins | tr '\n' ' ')
    [[ $checked == "${1:+$1 }" ]] || desktop_fail "checked skin items: '${checked}', expected '${1}' (menu: $(cat "$SKINS_MENU_FILE"))"
}

# skins_check_menu_band SKIN: the open context menu draws its band in the
# button colour of SKIN.
skins_check_menu_band() {
    local band wanted
    band=$(skins_context_menu_bar_colour)
    wanted=$(skins_button_colour "$SKINS_ASSETS/$1")
    (($(colour_distance "$band" "$wanted") <= SKINS_TOLERANCE)) ||
        desktop_fail "menu band $band under $1, expected its button colour $wanted"
}

# skins_context_menu_bar_colour: mean colour of the band down the left of
# the open context menu, beside its two switch items (neither is checked
# in these tests, so no mark stands there).
skins_context_menu_bar_colour() {
    local line x y
    line=$(menu_line 窗口置顶)
    x=$(cut -d'|' -f3 <<<"$line")
    y=$(cut -d'|' -f4 <<<"$line")
    screenshot "$DESKTOP_DIR/menu-shot.png"
    rgb_mean "$DESKTOP_DIR/menu-shot.png" $((x + 3)) $((y + 3)) 18 36
}
