#!/usr/bin/env bash
# The main window as the desktop sees it: placed from a settings row without
# a saved position (top 20, 20 pixels short of the right screen edge), 174
# wide and as high as the row says, frameless dock window without a taskbar
# entry, the icon in the tray with the title as its tip, the context menu on
# a right click, and the default look: title strip, side strips, the pale
# centre, the two button plates, rounded upper and square lower corners.
set -euo pipefail
source "$TAVRIN_SOURCE_DIR/tests/desktop/desktop.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/accessibility.sh"
desktop_start
accessibility_start
shots="${TAVRIN_BINARY_DIR}/e2e-screenshots"
mkdir -p "$shots"

# A desktop colour that no part of the window's look uses.
DESKTOP_COLOUR="255 0 255"
xsetroot -solid '#ff00ff'

title="Tavrin托盘"
folder="$DESKTOP_DIR/launcher"
mkdir -p "$folder"
sqlite3 "$folder/data.db" <<SQL
create table 设置(title, 皮肤, height, n1, n2, n3, n4, menu);
insert into 设置 values('$title', '', '600', '', '', '0', '0', '1');
create table 分类(id integer primary key, name, 排序);
create table 软件(id integer primary key, name, target, params, 分类, 排序);
SQL

run_tavrin "$folder"
id=$(wait_for_window Tavrin 20) || { cat "$folder/tavrin.log" >&2; desktop_fail "main window did not map"; }

# ---- place, size, frame, window manager hints --------------------------------
W=174
H=600
X=$((DESKTOP_SCREEN_WIDTH - W - 20))
Y=20
desktop_wait_until 10 test "$(win_geometry "$id")" = "$X $Y $W $H" ||
    desktop_fail "window at $(win_geometry "$id"), expected $X $Y $W $H"

relative=$(xwininfo -id "$id" | awk '/Relative upper-left X:/ {x = $4} /Relative upper-left Y:/ {y = $4} END {print x, y}')
[ "$relative" = "0 0" ] || desktop_fail "the window sits at $relative inside a frame"
parent=$(xwininfo -id "$id" -tree | awk '/Parent window id:/ {print $4}')
root=$(xwininfo -root | awk '/Window id:/ {print $4}')
if [ "$parent" != "$root" ]; then
    parent_size=$(xwininfo -id "$parent" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}')
    [ "$parent_size" = "$W $H" ] || desktop_fail "the window manager gave it a frame of $parent_size"
fi
extents=$(xprop -id "$id" _NET_FRAME_EXTENTS | sed -E 's/^[^=]*= ?//; s/ //g')
case $extents in
    0,0,0,0 | *"notfound"* | *"no such atom"*) ;;
    *) desktop_fail "frame extents $extents" ;;
esac

state=$(net_wm_state "$id")
[[ $state == *_NET_WM_STATE_SKIP_TASKBAR* ]] || desktop_fail "no SKIP_TASKBAR in '$state'"
type=$(net_wm_window_type "$id")
[[ $type == *_NET_WM_WINDOW_TYPE_DOCK* ]] || desktop_fail "window type is '$type'"

# ---- the default look, read from a screenshot ---------------------------------
shot="$shots/composition-window.png"
sleep 0.3 # one more paint after mapping
screenshot "$shot"
window_png="$DESKTOP_DIR/window.png"
convert "$shot" -crop "${W}x${H}+${X}+${Y}" +repage "$window_png"

# pixel X Y: "r g b" of a point of the window.
pixel() {
    convert "$window_png" -format "%[fx:int(255*p{$1,$2}.r+0.5)] %[fx:int(255*p{$1,$2}.g+0.5)] %[fx:int(255*p{$1,$2}.b+0.5)]" info:
    echo
}

# near WHAT X Y "R G B" TOLERANCE: every channel within the tolerance.
near() {
    local what=$1 x=$2 y=$3 want=$4 tolerance=$5 r g b wr wg wb
    read -r r g b < <(pixel "$x" "$y")
    read -r wr wg wb <<<"$want"
    local d
    for d in $((r - wr)) $((g - wg)) $((b - wb)); do
        ((d <= tolerance && d >= -tolerance)) ||
            desktop_fail "$what at ($x,$y) is $r $g $b, expected about $want (see $shot)"
    done
}

# far WHAT X Y "R G B" DISTANCE: at least one channel differs by more.
far() {
    local what=$1 x=$2 y=$3 other=$4 distance=$5 r g b or og ob d
    read -r r g b < <(pixel "$x" "$y")
    read -r or og ob <<<"$other"
    for d in $((r - or)) $((g - og)) $((b - ob)); do
        ((d > distance || d < -distance)) && return 0
    done
    desktop_fail "$what at ($x,$y) is $r $g $b, too close to $other (see $shot)"
}

near "navy top line of the title strip" 30 0 "10 52 112" 30
near "navy top line over the middle segment" 80 0 "10 52 112" 30
near "white line under the top line" 80 1 "255 255 255" 25
near "sky-blue title strip under the top" 80 4 "96 184 234" 30
near "sky-blue title strip at the bottom" 80 24 "129 207 245" 30
far "gradient of the title strip" 80 24 "$(pixel 80 4)" 6
near "black outer column of the left strip" 0 300 "0 0 0" 30
near "white column of the left strip" 1 300 "255 255 255" 25
near "cyan column of the right strip" $((W - 2)) 300 "12 208 250" 40
near "black outer column of the right strip" $((W - 1)) 300 "0 0 0" 30
near "pale centre" 80 300 "222 240 252" 40
near "almost white upper-left of the centre" 10 28 "250 252 255" 25
near "pale-blue plate of the minimise button" 111 16 "178 217 244" 30
near "pale-blue plate of the minimise button" 130 16 "178 217 244" 30
near "pink-mauve plate of the close button" 142 17 "205 163 189" 30
near "pink-mauve plate of the close button" 162 17 "205 163 189" 30
# The upper corners are cut away by the rounded outline; the lower are square.
near "cut upper-left corner shows the desktop" 0 0 "$DESKTOP_COLOUR" 10
near "cut upper-right corner shows the desktop" $((W - 1)) 0 "$DESKTOP_COLOUR" 10
far "square lower-left corner" 0 $((H - 1)) "$DESKTOP_COLOUR" 60
far "square lower-right corner" $((W - 1)) $((H - 1)) "$DESKTOP_COLOUR" 60
near "black bottom row" 80 $((H - 1)) "0 0 0" 30

# ---- the tray icon and its tip ------------------------------------------------
desktop_wait_until 20 tray_icon_geometry || desktop_fail "no tray icon in the tray panel"
read -r tx ty tw th < <(tray_icon_geometry)
pointer_to $((tx + tw / 2)) $((ty + th / 2))
pointer_to $((tx + tw / 2 + 1)) $((ty + th / 2))
tray_tip_shown() { accessibility_dump tavrin | grep -qF "tool tip $title"; }
desktop_wait_until 10 tray_tip_shown || { accessibility_dump >&2; desktop_fail "no tray tip '$title'"; }
screenshot "$shots/composition-tray-tip.png"
pointer_to 900 500

# ---- the context menu ---------------------------------------------------------
# Qt publishes an open popup menu only through focus events, so a listener
# catches the first focused item and reports its menu's items with states.
listener="$DESKTOP_DIR/menu_listener.py"
cat >"$listener" <<'PY'
import sys
import pyatspi
from gi.repository import GLib


def report(event):
    menu = event.source.parent
    if menu is None or menu.getRoleName() != "popup menu":
        return
    for i in range(menu.childCount):
        item = menu.getChildAtIndex(i)
        states = item.getState()
        flags = []
        if not states.contains(pyatspi.STATE_ENABLED):
            flags.append("disabled")
        if states.contains(pyatspi.STATE_CHECKED):
            flags.append("checked")
        print(f"{item.getRoleName()}|{item.name}|{','.join(flags)}", flush=True)
    pyatspi.Registry.stop()


pyatspi.Registry.registerEventListener(report, "focus:")
GLib.timeout_add(int(float(sys.argv[1]) * 1000), pyatspi.Registry.stop)
pyatspi.Registry.start()
PY
menu_items="$DESKTOP_DIR/menu_items.txt"
: >"$menu_items"
timeout 30 /usr/bin/python3 "$listener" 20 >"$menu_items" 2>"$DESKTOP_DIR/listener.log" &
listener_pid=$!
desktop_track "$listener_pid"
pointer_to $((X + 60)) $((Y + 400))
click 3
menu_id=""
find_menu() {
    local w
    for w in $(xdotool search --onlyvisible --classname tavrin 2>/dev/null); do
        [ "$w" = "$id" ] && continue
        read -r _ my _ mh < <(win_geometry "$w")
        ((mh > 60 && my < DESKTOP_SCREEN_HEIGHT - DESKTOP_PANEL_HEIGHT)) && { menu_id=$w; return 0; }
    done
    return 1
}
desktop_wait_until 10 find_menu || desktop_fail "a right click on the window opened no menu"
find_menu
read -r mx my mw mh < <(win_geometry "$menu_id")
# Opened at the pointer: its top at the pointer, moved left only as far as
# the screen edge asks.
((my == Y + 400 && mx <= X + 60 && mx + mw >= X + 60 && (mx == X + 60 || mx + mw == DESKTOP_SCREEN_WIDTH))) ||
    desktop_fail "menu at $mx,$my ${mw}x$mh, not at the pointer $((X + 60)),$((Y + 400))"
screenshot "$shots/composition-context-menu.png"
# Each Down focuses an item; the listener may still be registering for the
# first ones.
for ((tries = 0; tries < 20; tries++)); do
    xdotool key Down
    desktop_wait_until 1 test -s "$menu_items" && break
done
test -s "$menu_items" || desktop_fail "no menu items came through accessibility"
wait "$listener_pid" || true
expected="menu item|窗口置顶|
menu item|退出时保存位置|
separator||disabled
menu item|皮肤|disabled
separator||disabled
menu item|退出|"
[ "$(cat "$menu_items")" = "$expected" ] ||
    desktop_fail "context menu items: $(cat "$menu_items" | tr '\n' ';'), expected $(tr '\n' ';' <<<"$expected")"
xdotool key Escape
desktop_wait_until 5 bash -c "! xwininfo -id $menu_id | grep -q IsViewable" || desktop_fail "the menu did not close"
kill -0 "$TAVRIN_PID" || desktop_fail "the launcher is gone"
echo "composition_window: ok"
