#!/usr/bin/env bash
# The demo folder on a real desktop: its stored skin loaded, the bar filled
# with the four demo categories. Each header is opened in turn and the
# window is saved as a picture under e2e-screenshots/, one per header, and
# side by side in bar-demo.png. Entries whose picture comes with the
# program (web addresses and shell folders) must show it; a click on the
# skin-coloured header opens it.
set -euo pipefail
source "$TAVRIN_SOURCE_DIR/tests/desktop/desktop.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/launcher.sh"
desktop_start
shots=$(screenshots_dir)

folder="$DESKTOP_DIR/demo"
bash "$TAVRIN_SOURCE_DIR/tools/make-demo.sh" "$folder" >/dev/null
[ -f "$folder/data.db" ] && [ -d "$folder/skins" ] || desktop_fail "make-demo.sh made no demo folder"
IFS='|' read -r height top < <(sqlite3 "$folder/data.db" 'select 高度, n1 from 设置;')
[ -z "${top:-}" ] || desktop_fail "the demo store holds a saved position; this test expects none"

run_tavrin "$folder"
id=$(wait_for_window Tavrin 20) || { cat "$folder/tavrin.log" >&2; desktop_fail "main window did not map"; }
read -r X Y W H <<<"$(default_place "$height")"
expect_geometry "$id" "$X $Y $W $H" "no saved position" 10

mapfile -t categories < <(sqlite3 "$folder/data.db" 'select 名称 from 分类 order by 排序;')
((${#categories[@]} > 1)) || desktop_fail "the demo store has ${#categories[@]} categories"
bar_layout "$X" "$Y" "$H" ${#categories[@]}

window_png="$DESKTOP_DIR/window.png"
take_window_shot() { # NAME
    sleep 0.3 # the repaint after the last event
    screenshot "$DESKTOP_DIR/shot.png"
    convert "$DESKTOP_DIR/shot.png" -crop "${W}x${H}+${X}+${Y}" +repage "$window_png"
    cp "$window_png" "$shots/$1"
}
# Spread of the greys in the 24 x 24 picture square of a row, 0 to 1000.
picture_spread() { # OPEN ROW
    local x=$((ROW_LEFT + 4 - X)) y=$(($(row_top "$1" "$2") + 3 - Y))
    convert "$window_png" -crop "24x24+$x+$y" +repage -colorspace Gray \
        -format '%[fx:int(1000*standard_deviation+0.5)]' info:
    echo
}
# The stock pictures stand out from the skin's background, which is smooth
# over a square this small.
expect_stock_pictures() { # OPEN
    local name target row=0 s
    while IFS='|' read -r name target; do
        if [[ $target == http://* || $target == https://* || $target == www.* || $target == ::\{* ]]; then
            s=$(picture_spread "$1" "$row")
            ((s > 60)) || desktop_fail "'$name' in '${categories[$1]}' shows no picture (spread $s)"
        fi
        row=$((row + 1))
    done < <(sqlite3 -separator '|' "$folder/data.db" \
        "select 名称, 路径 from 软件 where 分类 = '${categories[$1]}' order by 排序;")
}

pictures=()
for ((open = 0; open < HEADERS; open++)); do
    if ((open > 0)); then
        # The header sits at the bottom of the bar until it is opened.
        pointer_to $((ROW_LEFT + 50)) $(($(header_top "$open" $((open - 1))) + 11))
        click 1
        pointer_to 900 500
    fi
    name="bar-demo-$open.png"
    take_window_shot "$name"
    pictures+=("$shots/$name")
    # The open header's body changed: compare with the previous picture.
    if ((open > 0)); then
        for ((tries = 0; tries < 20; tries++)); do
            difference=$(compare -metric AE -fuzz 5% "${pictures[open - 1]}" "${pictures[open]}" null: 2>&1 || true)
            ((${difference%% *} > 500)) && break
            take_window_shot "$name"
        done
        ((${difference%% *} > 500)) || desktop_fail "opening '${categories[open]}' changed $difference pixels"
    fi
    expect_stock_pictures "$open"
done
convert "${pictures[@]}" -background '#202020' -splice 6x0 +append "$shots/bar-demo.png"
kill -0 "$TAVRIN_PID" || desktop_fail "the launcher is gone"
echo "bar_demo: ok"
