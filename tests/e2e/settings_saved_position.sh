#!/usr/bin/env bash
# The saved position on a real desktop. With "save position on exit" on, a
# window closed while slid out of sight at the top stores that hidden place
# (n1 = 3 - height, as text) and the next start brings it back exactly
# there, still docked. A close while another program holds data.db locked
# shows the store's error and keeps the window; once the lock is gone the
# close goes through with exit code 0.
set -euo pipefail
source "$TAVRIN_SOURCE_DIR/tests/desktop/desktop.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/accessibility.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/launcher.sh"
desktop_start
accessibility_start
shots=$(screenshots_dir)

W=174
H=673
LEFT=800
# The close button: window (93 + 45, 6), 28 x 15.
CLOSE_X=$((93 + 45 + 14))
CLOSE_Y=$((6 + 7))

folder="$DESKTOP_DIR/position"
make_store "$folder" "$H" 0 "$LEFT" 1

error_box_gone() {
    ! accessibility_dump | grep -qF -- "database is locked"
}

# ---- closed while hidden at the top: the hidden place is stored ----
run_tavrin "$folder"
id=$(wait_for_window Tavrin 20) || desktop_fail "main window did not map"
expect_geometry "$id" "$LEFT 0 $W $H" "start at the top"
wait_for_tray_icon
move_pointer "$TRAY_X" "$TRAY_Y"
expect_geometry "$id" "$LEFT $((3 - H)) $W $H" "hidden at the top"

# Tray menu, 退出 (third item; the separator is skipped).
click 1
desktop_wait_until 5 menu_is_open "$id" || desktop_fail "no tray menu"
xdotool key Down Down Down Return
expect_exit_code_0 "退出 from the tray menu"
[[ $(stored "$folder" "typeof(n1) || ' ' || n1 || ' ' || typeof(n2) || ' ' || n2") == "text $((3 - H)) text $LEFT" ]] ||
    desktop_fail "stored position: $(stored "$folder" "typeof(n1), n1, typeof(n2), n2")"

# The next start puts the window back at the hidden place, docked there.
run_tavrin "$folder"
id=$(wait_for_window Tavrin 20) || desktop_fail "main window did not map after the restart"
expect_geometry "$id" "$LEFT $((3 - H)) $W $H" "restart at the stored hidden place"
holds_for 600 geometry_is "$id" "$LEFT $((3 - H)) $W $H" ||
    desktop_fail "window left the stored hidden place: $(win_geometry "$id")"
move_pointer $((LEFT + 50)) 1
expect_geometry "$id" "$LEFT 0 $W $H" "the restored window is docked at the top"
move_pointer $((LEFT + 87)) 300

# ---- a close while another program locks data.db ----
mkfifo "$DESKTOP_DIR/lock-control"
/usr/bin/python3 -c '
import sqlite3, sys
store = sqlite3.connect(sys.argv[1], isolation_level=None)
store.execute("begin exclusive")
print("locked", flush=True)
sys.stdin.read()
' "$folder/data.db" <"$DESKTOP_DIR/lock-control" >"$DESKTOP_DIR/lock.out" &
locker=$!
desktop_track "$locker"
exec 7>"$DESKTOP_DIR/lock-control"
desktop_wait_until 10 grep -q locked "$DESKTOP_DIR/lock.out" || desktop_fail "could not lock data.db"

move_pointer $((LEFT + CLOSE_X)) $CLOSE_Y
click 1
accessibility_wait_for_text "SQLite3 error: database is locked." 20 ||
    { accessibility_dump; desktop_fail "no error box for the locked store"; }
screenshot "$shots/settings-locked-close.png"
kill -0 "$TAVRIN_PID" || desktop_fail "the launcher ended although the position could not be stored"
xdotool key --clearmodifiers Return
desktop_wait_until 10 error_box_gone ||
    desktop_fail "the error box did not close"
kill -0 "$TAVRIN_PID" || desktop_fail "the launcher ended after the error box"
xwininfo -id "$id" | grep -q 'Map State: IsViewable' || desktop_fail "the window is gone after the failed close"
[[ $(win_geometry "$id") == "$LEFT 0 $W $H" ]] || desktop_fail "the window moved: $(win_geometry "$id")"

# The lock goes; the next close stores the position and ends the program.
exec 7>&-
desktop_reap "$locker"
move_pointer $((LEFT + CLOSE_X + 1)) $CLOSE_Y
click 1
expect_exit_code_0 "the close button"
[[ $(stored "$folder" "n1 || ',' || n2") == "0,$LEFT" ]] || desktop_fail "stored position '$(stored "$folder" "n1 || ',' || n2")'"
echo "settings_saved_position: ok"
