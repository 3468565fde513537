#!/usr/bin/env bash
# The launcher bar on a real desktop: headers in their sort order with the
# first one open, entries in their sort order with their pictures, a click
# on another header opens it, a click on an entry starts it with its
# parameters split like a shell would and leaves it shown selected, and a
# web address without a scheme goes to the desktop's opener as http://.
set -euo pipefail
source "$TAVRIN_SOURCE_DIR/tests/desktop/desktop.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/launcher.sh"
desktop_start
shots=$(screenshots_dir)

folder="$DESKTOP_DIR/launcher"
mkdir -p "$folder"

# The recorder stands in for a program: it writes its arguments one per
# line, replacing the file in one step so a reader never sees half of it.
launched="$DESKTOP_DIR/launched.txt"
recorder="$folder/record.sh"
cat >"$recorder" <<SH
#!/bin/sh
printf '%s\n' "\$@" > "$launched.tmp" && mv "$launched.tmp" "$launched"
SH
chmod +x "$recorder"

# The desktop's opener, first on the launcher's PATH.
opened="$DESKTOP_DIR/opened.txt"
mkdir -p "$DESKTOP_DIR/bin"
cat >"$DESKTOP_DIR/bin/xdg-open" <<SH
#!/bin/sh
printf '%s\n' "\$@" > "$opened.tmp" && mv "$opened.tmp" "$opened"
SH
chmod +x "$DESKTOP_DIR/bin/xdg-open"

# Rows are inserted out of their sort order on purpose.
sqlite3 "$folder/data.db" <<SQL
create table 设置(title, 皮肤, height, n1, n2, n3, n4, menu);
insert into 设置 values('Tavrin', '', '600', '', '', '0', '0', '1');
create table 分类(id integer primary key, name, 排序);
insert into 分类(name, 排序) values ('第二', 2), ('第三', 3), ('第一', 1);
create table 软件(id integer primary key, name, target, params, 分类, 排序);
insert into 软件(name, target, params, 分类, 排序) values
  ('网页', 'www.example.org', '', '第一', 2),
  ('缺失', '$DESKTOP_DIR/no-such-program', '', '第一', 3),
  ('参数', '$recorder', '"a b" ''c d'' e\ f', '第一', 1),
  ('二', '$recorder', 'second', '第二', 1),
  ('三乙', '$recorder', 'third-2', '第三', 2),
  ('三甲', '$recorder', 'third-1', '第三', 1);
SQL

PATH="$DESKTOP_DIR/bin:$PATH" run_tavrin "$folder"
id=$(wait_for_window Tavrin 20) || { cat "$folder/tavrin.log" >&2; desktop_fail "main window did not map"; }
read -r X Y W H <<<"$(default_place 600)"
expect_geometry "$id" "$X $Y $W $H" "no saved position" 10

# ---- the bar's layout on the screen ----------------------------------------------
bar_layout "$X" "$Y" "$H" 3
ROW_WIDTH=148

click_at() {
    pointer_to "$1" "$2"
    click 1
    pointer_to 900 500 # off the window: nothing is drawn hot
}
click_header() { # INDEX OPEN
    click_at $((ROW_LEFT + 50)) $(($(header_top "$1" "$2") + 11))
}
click_row() { # OPEN ROW
    click_at $((ROW_LEFT + 70)) $(($(row_top "$1" "$2") + 15))
}

# ---- pixels --------------------------------------------------------------------------
shot="$DESKTOP_DIR/shot.png"
window_png="$DESKTOP_DIR/window.png"
take_shot() {
    sleep 0.2 # the repaint after the last event
    screenshot "$shot"
    convert "$shot" -crop "${W}x${H}+${X}+${Y}" +repage "$window_png"
}
keep_shot() {
    cp "$shot" "$shots/$1"
}
# pixel X Y (screen): "r g b"
pixel() {
    local x=$(($1 - X)) y=$(($2 - Y))
    convert "$window_png" -format "%[fx:int(255*p{$x,$y}.r+0.5)] %[fx:int(255*p{$x,$y}.g+0.5)] %[fx:int(255*p{$x,$y}.b+0.5)]" info:
    echo
}
is_colour() { # X Y "R G B" TOLERANCE
    local r g b wr wg wb d
    read -r r g b < <(pixel "$1" "$2")
    read -r wr wg wb <<<"$3"
    for d in $((r - wr)) $((g - wg)) $((b - wb)); do
        ((d <= $4 && d >= -$4)) || return 1
    done
}
# Spread of the colours in a square of the screen, 0 to 1000: a picture
# spreads widely, the pale background hardly at all.
spread() { # X Y SIZE
    convert "$window_png" -crop "$3x$3+$(($1 - X))+$(($2 - Y))" +repage -colorspace Gray \
        -format '%[fx:int(1000*standard_deviation+0.5)]' info:
    echo
}

HEADER_BLUE_ROW=11 # the deepest row of the header bitmap
is_header_at() { # TOP
    local r g b
    read -r r g b < <(pixel $((ROW_LEFT + 40)) $(($1 + HEADER_BLUE_ROW)))
    # Glossy blue: far more blue than red, clearly darker than the pale body.
    ((b > 200 && r < 120 && g > 140))
}
# settled CHECK...: the check holds, now or on a fresh picture within 5 s.
settled() {
    local tries
    for ((tries = 0; tries < 25; tries++)); do
        "$@" && return 0
        take_shot
    done
    return 1
}
expect_header_at() { # WHAT TOP
    settled is_header_at "$2" || desktop_fail "$1: no header at y $2, pixel $(pixel $((ROW_LEFT + 40)) $(($2 + HEADER_BLUE_ROW))) (see $shots/bar-failure.png)"
}
expect_no_header_at() { # WHAT TOP
    settled not is_header_at "$2" || desktop_fail "$1: a header at y $2 (see $shots/bar-failure.png)"
}

picture_spread() { # OPEN ROW
    spread $((ROW_LEFT + 4)) $(($(row_top "$1" "$2") + 3)) 24
}
expect_picture() { # WHAT OPEN ROW
    local s
    s=$(picture_spread "$2" "$3")
    ((s > 100)) || desktop_fail "$1: no picture in row $3 (spread $s)"
}
expect_no_picture() { # WHAT OPEN ROW
    local s
    s=$(picture_spread "$2" "$3")
    ((s < 40)) || desktop_fail "$1: a picture in row $3 (spread $s)"
}

# The selected entry: its row filled with #DEEFFF inside a #ADDBF7 frame.
SELECTION_FILL="222 239 255"
SELECTION_FRAME="173 219 247"
is_selected() { # OPEN ROW
    local top x
    top=$(row_top "$1" "$2")
    for x in $((ROW_LEFT + 2)) $((ROW_LEFT + 74)) $((ROW_LEFT + ROW_WIDTH - 2)); do
        is_colour "$x" "$top" "$SELECTION_FRAME" 3 || return 1
        is_colour "$x" $((top + 29)) "$SELECTION_FRAME" 3 || return 1
    done
    is_colour "$ROW_LEFT" $((top + 15)) "$SELECTION_FRAME" 3 || return 1
    is_colour $((ROW_LEFT + ROW_WIDTH - 1)) $((top + 15)) "$SELECTION_FRAME" 3 || return 1
    for x in $((ROW_LEFT + 120)) $((ROW_LEFT + 135)) $((ROW_LEFT + 145)); do
        is_colour "$x" $((top + 5)) "$SELECTION_FILL" 2 || return 1
        is_colour "$x" $((top + 25)) "$SELECTION_FILL" 2 || return 1
    done
}
not() { ! "$@"; }
selected_rows_are() { # OPEN ROWS WANTED
    [ "$(selected_rows "$1" "$2")" = "$3" ]
}
selected_rows() { # OPEN ROWS: the rows drawn selected, space separated
    local out="" r
    for ((r = 0; r < $2; r++)); do
        is_selected "$1" "$r" && out+="$r "
    done
    echo "${out% }"
}
expect_selected() { # WHAT OPEN ROWS WANTED
    local got
    settled selected_rows_are "$2" "$3" "$4" && return 0
    got=$(selected_rows "$2" "$3")
    keep_shot bar-failure.png
    desktop_fail "$1: rows selected '$got', expected '$4'"
}

# ---- launching -----------------------------------------------------------------------
expect_launch() { # WHAT FILE CONTENT
    desktop_wait_until 10 test -s "$2" || desktop_fail "$1: nothing was started"
    [ "$(cat "$2")" = "$3" ] || desktop_fail "$1: started with $(tr '\n' '|' <"$2"), expected $(tr '\n' '|' <<<"$3")"
    rm -f "$2"
}

# ---- first look: header 0 open ---------------------------------------------------------
take_shot
keep_shot bar-population-start.png
trap 'keep_shot bar-failure.png 2>/dev/null; desktop_stop' EXIT
expect_header_at "first header at the top" "$(header_top 0 0)"
expect_header_at "second header at the bottom" "$(header_top 1 0)"
expect_header_at "third header at the bottom" "$(header_top 2 0)"
expect_no_header_at "the open header's body" "$(header_top 1 1)"
expect_picture "the program's picture" 0 0
expect_picture "the web picture" 0 1
expect_no_picture "a missing program" 0 2
expect_no_picture "below the last entry" 0 3
expect_selected "before any click" 0 4 ""

# ---- the entries of the first header start ----------------------------------------------
rm -f "$launched" "$opened"
click_row 0 0
expect_launch "the first entry" "$launched" $'a b\nc d\ne f'
take_shot
keep_shot bar-population-selected.png
expect_selected "after a click on the first entry" 0 4 "0"

click_row 0 1
expect_launch "the web address" "$opened" "http://www.example.org"
take_shot
expect_selected "after a click on the second entry" 0 4 "1"

# A missing program starts nothing and shows nothing, and the bar goes on.
click_row 0 2
take_shot
expect_selected "after a click on the missing program" 0 4 "2"
kill -0 "$TAVRIN_PID" || desktop_fail "the launcher is gone"

# ---- another header opens on a click -----------------------------------------------------
click_header 1 0
take_shot
keep_shot bar-population-second.png
expect_header_at "first header still at the top" "$(header_top 0 1)"
expect_header_at "second header below the first" "$(header_top 1 1)"
expect_header_at "third header at the bottom" "$(header_top 2 1)"
expect_picture "the second header's entry" 1 0
expect_no_picture "the second header has one entry" 1 1
expect_selected "the selection stays with the first header's entry" 1 2 ""
click_row 1 0
expect_launch "the second header's entry" "$launched" "second"
take_shot
expect_selected "the second header's entry is selected" 1 2 "0"

click_header 2 1
take_shot
expect_header_at "third header open" "$(header_top 2 2)"
click_row 2 0
expect_launch "the third header's first entry in sort order" "$launched" "third-1"
click_row 2 1
expect_launch "the third header's second entry in sort order" "$launched" "third-2"
take_shot
expect_selected "the entry clicked last is selected" 2 3 "1"

# Back to the first header: its entries are where they were, none selected.
click_header 0 2
take_shot
expect_header_at "second header at the bottom again" "$(header_top 1 0)"
expect_picture "the web picture again" 0 1
expect_selected "the selection stays with the third header's entry" 0 4 ""
click_row 0 0
expect_launch "the first entry again" "$launched" $'a b\nc d\ne f'

# A click on the empty body below the entries starts nothing.
click_row 0 5
sleep 0.5
[ ! -e "$launched" ] && [ ! -e "$opened" ] || desktop_fail "a click on empty space started something"
kill -0 "$TAVRIN_PID" || desktop_fail "the launcher is gone"
trap desktop_stop EXIT
echo "bar_population: ok"
