#!/bin/bash
# The tray icon on a real desktop: Xvfb, openbox and trayer as tray host.
# The probe starts before the tray host, so its icon has to appear once the
# host comes up; then a single click, a double click and a right click are
# made on the icon and the probe's reports are checked.
set -u

PROBE=${TRAY_PROBE:?TRAY_PROBE must name the tray_probe program}
WORK=$(mktemp -d)
PIDS=()

cleanup() {
    for (( i=${#PIDS[@]}-1; i>=0; i-- )); do
        kill "${PIDS[$i]}" 2>/dev/null
        wait "${PIDS[$i]}" 2>/dev/null
    done
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    echo "--- probe output:"; cat "$WORK/probe.out"
    exit 1
}

# Polls a condition every 50 ms for up to 10 s.
wait_for() {
    local i
    for (( i=0; i<200; i++ )); do
        if eval "$1"; then return 0; fi
        sleep 0.05
    done
    return 1
}

reports() { grep -c -x "$1" "$WORK/probe.out"; }

display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
export DISPLAY=:$display
export HOME=$WORK/home XDG_RUNTIME_DIR=$WORK/run
mkdir -p "$HOME" && mkdir -m 0700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 & PIDS+=($!)
wait_for "xdpyinfo >/dev/null 2>&1" || fail "Xvfb did not start"
openbox >"$WORK/openbox.log" 2>&1 & PIDS+=($!)
wait_for "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'" || fail "openbox did not start"

"$PROBE" >"$WORK/probe.out" 2>"$WORK/probe.err" & PIDS+=($!)
wait_for "grep -q '^started, tray available 0$' '$WORK/probe.out'" || fail "probe did not start without a tray"

trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
    --transparent false >"$WORK/trayer.log" 2>&1 & PIDS+=($!)
wait_for "grep -q '^tray available 1$' '$WORK/probe.out'" || fail "the tray host that came later was not noticed"

icon_window() {
    local w
    for w in $(xdotool search --classname tray_probe 2>/dev/null); do
        if xwininfo -id "$w" | grep -q 'Width: 22' && xwininfo -id "$w" | grep -q 'IsViewable'; then
            echo "$w"; return 0
        fi
    done
    return 1
}
wait_for "icon_window >/dev/null" || fail "the icon was not embedded in the tray"
geometry=$(xwininfo -id "$(icon_window)")
x=$(echo "$geometry" | awk '/Absolute upper-left X/ {print $4}')
y=$(echo "$geometry" | awk '/Absolute upper-left Y/ {print $4}')
cx=$((x + 11)); cy=$((y + 11))

# A single click: reported after the double-click time, then the probe opens the menu.
xdotool mousemove "$cx" "$cy" click 1
wait_for "[ \$(reports click) -eq 1 ] && [ \$(reports 'tray menu shown') -eq 1 ]" || fail "single click"
xdotool key Escape

# A double click: reported as such, and no single click.
xdotool mousemove "$cx" "$cy" click --repeat 2 --delay 60 1
wait_for "[ \$(reports 'double click') -eq 1 ]" || fail "double click"
sleep 1
[ "$(reports click)" -eq 1 ] || fail "a double click also gave a single click"

# The right button opens the menu once.
xdotool mousemove "$cx" "$cy" click 3
wait_for "[ \$(reports 'tray menu shown') -eq 2 ]" || fail "right click did not open the menu"
sleep 0.5
[ "$(reports 'tray menu shown')" -eq 2 ] || fail "the right click opened the menu twice"

echo "tray test passed"
