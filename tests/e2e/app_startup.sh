#!/usr/bin/env bash
# Start-up on a real desktop: an empty folder gets an empty data.db and the
# error box for the missing settings table, then the window opens at its
# defined place; a second copy shows the notice and exits 0 while the first
# keeps running; a copy killed with SIGKILL does not keep the next one out.
set -euo pipefail
source "$TAVRIN_SOURCE_DIR/tests/desktop/desktop.sh"
source "$TAVRIN_SOURCE_DIR/tests/desktop/accessibility.sh"
desktop_start
accessibility_start
shots="${TAVRIN_BINARY_DIR}/e2e-screenshots"; mkdir -p "$shots"

folder="$DESKTOP_DIR/empty"; mkdir -p "$folder"
run_tavrin "$folder"
first=$TAVRIN_PID

# The error box: caption "Tavrin", SQLite's message and a final ".".
accessibility_wait_for_text "SQLite3 error: no such table: 设置." 20 ||
    { accessibility_dump; desktop_fail "no error box for the missing table"; }
accessibility_dump | grep -q "Tavrin" || desktop_fail "error box caption missing"
[ -f "$folder/data.db" ] || desktop_fail "data.db was not created"
[ ! -s "$folder/data.db" ] || desktop_fail "data.db is not empty"
screenshot "$shots/startup-error-box.png"
xdotool key --clearmodifiers Return

id=$(wait_for_window Tavrin 20) || desktop_fail "main window did not map"
geometry_is() { [ "$(win_geometry "$1")" = "$2" ]; }
desktop_wait_until 10 geometry_is "$id" "1600 132 174 673" ||
    desktop_fail "window at $(win_geometry "$id"), expected 1600 132 174 673"
screenshot "$shots/startup-empty-folder.png"

# A second copy: only the notice, exit 0; the first copy is untouched.
"$TAVRIN_BIN" > "$DESKTOP_DIR/second.log" 2>&1 &
second=$!
accessibility_wait_for_text "数据库已锁定，请关闭相应软件后再运行！" 20 ||
    { accessibility_dump; desktop_fail "no notice from the second copy"; }
accessibility_dump | grep -q "提醒" || desktop_fail "notice caption missing"
screenshot "$shots/startup-second-copy.png"
xdotool key --clearmodifiers Return
desktop_wait_until 10 bash -c "! kill -0 $second" || desktop_fail "second copy did not exit"
wait "$second"; code=$?
[ "$code" -eq 0 ] || desktop_fail "second copy exited with $code"
kill -0 "$first" || desktop_fail "first copy is gone"
[ "$(win_geometry "$id")" = "1600 132 174 673" ] || desktop_fail "first copy moved"

# SIGKILL leaves no stale guard behind.
kill -9 "$first"; wait "$first" 2>/dev/null || true
run_tavrin "$folder"
accessibility_wait_for_text "SQLite3 error: no such table: 设置." 20 ||
    desktop_fail "a new start after kill -9 did not run"
xdotool key --clearmodifiers Return
wait_for_window Tavrin 20 >/dev/null || desktop_fail "window after restart did not map"
echo "app_startup: ok"
