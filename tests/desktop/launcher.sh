# Shared parts of the launcher's end-to-end scripts on the test desktop.
# Sourced after tests/desktop/desktop.sh:
#
#   source "$TAVRIN_SOURCE_DIR/tests/desktop/desktop.sh"
#   source "$TAVRIN_SOURCE_DIR/tests/desktop/launcher.sh"
#   desktop_start
#   shots=$(screenshots_dir)
#   make_store "$folder" 673 300 800      # data.db parking the window
#   run_tavrin "$folder"
#   id=$(wait_for_window Tavrin 20)
#   expect_geometry "$id" "800 300 174 673" "start"
#
# Where a function reads or sets a global, its comment says so.

# Width of the launcher's window.
LAUNCHER_W=174

# screenshots_dir: the folder the scripts keep their pictures in, created;
# prints its path.
screenshots_dir() {
    local dir="${TAVRIN_BINARY_DIR}/e2e-screenshots"
    mkdir -p "$dir"
    echo "$dir"
}

# make_store FOLDER HEIGHT TOP LEFT [SAVE_POSITION [TITLE]]: FOLDER/data.db
# with one settings row (n1 = TOP, n2 = LEFT, n3 = 0, n4 = SAVE_POSITION,
# default 0; title TITLE, default Tavrin; no skin), no categories and no
# entries.
make_store() {
    local folder=$1 height=$2 top=$3 left=$4 save_position=${5:-0} title=${6:-Tavrin}
    mkdir -p "$folder"
    sqlite3 "$folder/data.db" "
        create table 设置(title, 皮肤, height, n1, n2, n3, n4, menu);
        insert into 设置 values('$title', '', '$height', '$top', '$left', '0', '$save_position', '1');
        create table 分类(id, name, 排序);
        create table 软件(id, name, target, params, 分类, 排序);"
}

# stored FOLDER EXPRESSION: EXPRESSION over the settings row of
# FOLDER/data.db.
stored() {
    sqlite3 "$1/data.db" "select $2 from 设置;"
}

# default_place HEIGHT: "x y w h" of a window whose store holds no saved
# position: top 20, 20 pixels short of the right screen edge.
default_place() {
    echo "$((DESKTOP_SCREEN_WIDTH - LAUNCHER_W - 20)) 20 $LAUNCHER_W $1"
}

# Moves the pointer; a move onto the spot where it already is would make
# xdotool wait for motion that never comes.
move_pointer() {
    local current
    current=$(xdotool getmouselocation | sed -E 's/^x:([0-9-]+) y:([0-9-]+).*/\1 \2/')
    [[ $current == "$1 $2" ]] || pointer_to "$1" "$2"
}

# ms_now: milliseconds since the epoch.
ms_now() {
    echo $(($(date +%s%N) / 1000000))
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

# geometry_is ID "x y w h": the window stands there now.
geometry_is() {
    [[ $(win_geometry "$1") == "$2" ]]
}

# expect_geometry ID EXPECTED WHAT [TIMEOUT_SECONDS]: waits up to TIMEOUT
# (default 5 s) for the geometry.
expect_geometry() {
    desktop_wait_until "${4:-5}" geometry_is "$1" "$2" ||
        desktop_fail "$3: window at $(win_geometry "$1"), expected $2"
}

# expect_geometry_holds ID EXPECTED WHAT: the geometry stays as it is for
# 600 ms, six docking ticks.
expect_geometry_holds() {
    holds_for 600 geometry_is "$1" "$2" ||
        desktop_fail "$3: window moved to $(win_geometry "$1"), expected to stay at $2"
}

# open_menus MAIN_ID: the launcher's popup menus on the screen, one id a
# line: visible override-redirect windows of its class other than its main
# window, bigger than the tray icon.
open_menus() {
    local window w h
    for window in $(xdotool search --onlyvisible --classname tavrin 2>/dev/null); do
        [[ $window != "$1" ]] || continue
        xwininfo -id "$window" | grep -q 'Override Redirect State: yes' || continue
        read -r _ _ w h < <(win_geometry "$window")
        ((w >= 40 && h >= 40)) && echo "$window"
    done
    return 0
}

# menu_is_open MAIN_ID
menu_is_open() {
    [[ -n $(open_menus "$1") ]]
}

# no_menu_is_open MAIN_ID
no_menu_is_open() {
    [[ -z $(open_menus "$1") ]]
}

# wait_for_tray_icon: waits up to 10 s for the launcher's tray icon and
# sets TRAY_X, TRAY_Y to its middle.
wait_for_tray_icon() {
    local x y w h
    desktop_wait_until 10 tray_icon_geometry >/dev/null || desktop_fail "no tray icon"
    read -r x y w h < <(tray_icon_geometry)
    TRAY_X=$((x + w / 2))
    TRAY_Y=$((y + h / 2))
}

# start_xclock GEOMETRY: another program's window at GEOMETRY (X style,
# WxH+X+Y); sets CLOCK_PID and CLOCK, its window id.
start_xclock() {
    xclock -geometry "$1" >/dev/null 2>&1 &
    CLOCK_PID=$!
    desktop_track "$CLOCK_PID"
    CLOCK=$(wait_for_window xclock 10) || desktop_fail "xclock did not map"
}

# stop_xclock: ends the clock of start_xclock.
stop_xclock() {
    kill "$CLOCK_PID"
    desktop_reap "$CLOCK_PID"
}

launcher_ended() {
    ! kill -0 "$TAVRIN_PID" 2>/dev/null
}

# expect_exit_code_0 WHAT: the launcher ends within 10 s, with exit code 0.
expect_exit_code_0() {
    desktop_wait_until 10 launcher_ended || desktop_fail "$1 did not end the program"
    local code=0
    wait "$TAVRIN_PID" || code=$?
    ((code == 0)) || desktop_fail "exit code $code after $1"
}

# stop_tavrin: ends the launcher of run_tavrin.
stop_tavrin() {
    kill "$TAVRIN_PID"
    desktop_reap "$TAVRIN_PID"
}

# ---- the bar ------------------------------------------------------------------
# bar_layout WINDOW_X WINDOW_Y WINDOW_H HEADERS: sets the bar's place for
# the functions below. The bar fills the centre: 8 pixels in from the left,
# below the 26-pixel title strip, 158 x (H - 34): BX, BY, BH. Inside it a
# 5-pixel border, HEADERS headers 22 high with 5 pixels between them; the
# headers up to the open one stand at the top, the later ones at the
# bottom; entry rows of 30 pixels, starting at ROW_LEFT, fill the body
# below the open header.
bar_layout() {
    BX=$(($1 + 8))
    BY=$(($2 + 26))
    BH=$(($3 - 34))
    HEADERS=$4
    ROW_LEFT=$((BX + 5))
}

# header_top INDEX OPEN: screen y of header INDEX while header OPEN is open.
header_top() {
    local i=$1 open=$2 later
    if ((i <= open)); then
        echo $((BY + 5 + i * 27))
    else
        later=$((HEADERS - 1 - open))
        echo $((BY + BH - 5 - later * 22 - (later - 1) * 5 + (i - open - 1) * 27))
    fi
}

# row_top OPEN ROW: screen y of entry ROW under the open header OPEN.
row_top() {
    echo $((BY + 5 + $1 * 27 + 22 + $2 * 30))
}
