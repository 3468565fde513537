#!/usr/bin/env bash
# A settings row whose height is not an integer on a real desktop: the
# error box shows the conversion message, and the window opens with its
# defined size at its defined place (the row's position is never reached)
# while keeping the row's title. Leading blanks before the digits are
# accepted.
set -euo pipefail
source "$TAVRIN_SOURCE_DIR/tests/desktop/desktop.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/accessibility.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/launcher.sh"
desktop_start
accessibility_start
shots=$(screenshots_dir)

TITLE="坞栏 E2E"
# Each store's row parks the window here.
TOP=300
LEFT=500

# The launcher's main window: its dock-type window (the error box carries
# the same title).
main_window() {
    local window
    for window in $(xdotool search --onlyvisible --classname tavrin 2>/dev/null); do
        if [[ $(net_wm_window_type "$window") == *_NET_WM_WINDOW_TYPE_DOCK* ]]; then
            echo "$window"
            return 0
        fi
    done
    return 1
}

error_box_gone() {
    ! accessibility_dump | grep -qF -- "is not a valid integer value"
}

# Heights that fail, with the message of the box.
case_number=0
for height in "abc" "600 " ""; do
    case_number=$((case_number + 1))
    folder="$DESKTOP_DIR/bad-$case_number"
    make_store "$folder" "$height" "$TOP" "$LEFT" 0 "$TITLE"
    message="''$height'' is not a valid integer value."
    run_tavrin "$folder"
    accessibility_wait_for_text "$message" 20 ||
        { accessibility_dump; desktop_fail "height '$height': no box with \"$message\""; }
    accessibility_dump | grep -q "Tavrin" || desktop_fail "height '$height': error box caption missing"
    ((case_number == 1)) && screenshot "$shots/settings-bad-height-box.png"
    xdotool key --clearmodifiers Return
    desktop_wait_until 10 error_box_gone || desktop_fail "height '$height': the error box did not close"
    desktop_wait_until 10 main_window >/dev/null || desktop_fail "height '$height': main window did not map"
    id=$(main_window)
    expect_geometry "$id" "1600 132 174 673" "height '$height'"
    accessibility_dump | grep -qF -- "label $TITLE" ||
        desktop_fail "height '$height': the title label does not read $TITLE"
    stop_tavrin
done

# Leading blanks are accepted: the height and the position apply.
folder="$DESKTOP_DIR/blanks"
make_store "$folder" "  600" "$TOP" "$LEFT" 0 "$TITLE"
run_tavrin "$folder"
desktop_wait_until 20 main_window >/dev/null || desktop_fail "main window did not map with height '  600'"
id=$(main_window)
expect_geometry "$id" "500 300 174 600" "height '  600'"
accessibility_dump | grep -qF -- "is not a valid integer value" && desktop_fail "height '  600' gave an error box"
stop_tavrin
echo "settings_bad_height: ok"
