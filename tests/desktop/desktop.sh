# The test desktop: a virtual X screen with a window manager and a tray
# host, isolated from the user's own session. Sourced by the end-to-end
# scripts:
#
#   source "$TAVRIN_SOURCE_DIR/tests/desktop/desktop.sh"
#   desktop_start            # DISPLAY, HOME, XDG_* point into a fresh desktop
#   run_tavrin "$folder"     # starts $TAVRIN_BIN there; TAVRIN_PID
#   id=$(wait_for_window Tavrin)
#   read -r x y w h < <(win_geometry "$id")
#   desktop_stop             # also runs on exit
#
# Screen: 1920 x 1080 x 24. A tray panel (trayer) along the bottom edge
# reserves DESKTOP_PANEL_HEIGHT pixels, so the work area is
# 0,0 1920 x (1080 - DESKTOP_PANEL_HEIGHT).

DESKTOP_SCREEN_WIDTH=1920
DESKTOP_SCREEN_HEIGHT=1080
DESKTOP_PANEL_HEIGHT=24
DESKTOP_PIDS=()
DESKTOP_DIR=""
TAVRIN_PID=""

desktop_log() {
    echo "desktop: $*" >&2
}

desktop_fail() {
    desktop_log "$*"
    local log
    for log in "$DESKTOP_DIR"/*.log; do
        [[ -s $log ]] && sed "s|^|$(basename "$log"): |" "$log" >&2
    done
    exit 1
}

# desktop_wait_until TIMEOUT_SECONDS COMMAND...: polls every 20 ms.
desktop_wait_until() {
    local timeout=$1
    shift
    local deadline=$((SECONDS + timeout))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.02
    done
}

desktop_track() {
    DESKTOP_PIDS+=("$1")
}

desktop_start() {
    for tool in Xvfb openbox trayer xdotool xprop xwininfo; do
        command -v "$tool" >/dev/null || desktop_fail "$tool is not installed"
    done
    DESKTOP_DIR=$(mktemp -d /tmp/tavrin-desktop.XXXXXX)
    export HOME="$DESKTOP_DIR/home"
    export XDG_RUNTIME_DIR="$DESKTOP_DIR/runtime"
    export XDG_CONFIG_HOME="$DESKTOP_DIR/config"
    export XDG_CACHE_HOME="$DESKTOP_DIR/cache"
    export XDG_DATA_HOME="$DESKTOP_DIR/data"
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset WAYLAND_DISPLAY SESSION_MANAGER
    export QT_QPA_PLATFORM=xcb
    trap desktop_stop EXIT

    # Several desktops may start at once on this machine; a display number
    # taken twice makes one server give up. Start again when that happens.
    local attempt
    for attempt in 1 2 3 4; do
        if desktop_try_start; then
            desktop_log "running on $DISPLAY, work area $(desktop_work_area)"
            return 0
        fi
        desktop_log "attempt $attempt failed: $DESKTOP_FAILURE"
        desktop_stop_processes
        sleep 0.5
    done
    desktop_fail "could not start the desktop: $DESKTOP_FAILURE"
}

# One attempt at the X server, bus, window manager and tray panel; sets
# DESKTOP_FAILURE and returns 1 when a part does not come up.
desktop_try_start() {
    local display_file="$DESKTOP_DIR/display.$RANDOM"
    Xvfb -displayfd 3 -screen 0 "${DESKTOP_SCREEN_WIDTH}x${DESKTOP_SCREEN_HEIGHT}x24" -nolisten tcp \
        3>"$display_file" >"$DESKTOP_DIR/xvfb.log" 2>&1 &
    local xvfb=$!
    desktop_track $xvfb
    desktop_wait_until 10 grep -q '^[0-9][0-9]*$' "$display_file" || { DESKTOP_FAILURE="Xvfb did not start"; return 1; }
    export DISPLAY=":$(head -n1 "$display_file")"
    desktop_wait_until 10 xprop -root _NET_NOTHING || { DESKTOP_FAILURE="display $DISPLAY does not answer"; return 1; }
    sleep 0.1
    kill -0 $xvfb 2>/dev/null || { DESKTOP_FAILURE="Xvfb on $DISPLAY gave up"; return 1; }

    if command -v dbus-daemon >/dev/null; then
        local bus
        bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null) || bus=""
        if [[ -n $bus ]]; then
            export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$bus")
            desktop_track "$(sed -n 2p <<<"$bus")"
        fi
    fi

    mkdir -p "$XDG_CONFIG_HOME/openbox"
    cat >"$XDG_CONFIG_HOME/openbox/rc.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <placement><policy>Smart</policy></placement>
  <desktops><number>1</number></desktops>
  <margins><top>0</top><bottom>0</bottom><left>0</left><right>0</right></margins>
</openbox_config>
XML
    openbox --config-file "$XDG_CONFIG_HOME/openbox/rc.xml" >"$DESKTOP_DIR/openbox.log" 2>&1 &
    desktop_track $!
    desktop_wait_until 30 desktop_has_window_manager || { DESKTOP_FAILURE="openbox did not start: $(tail -n1 "$DESKTOP_DIR/openbox.log")"; return 1; }

    trayer --SetDockType true --SetPartialStrut true --edge bottom --align right \
        --widthtype pixel --width 200 --heighttype pixel --height "$DESKTOP_PANEL_HEIGHT" \
        --transparent false --tint 0x404040 --expand true >"$DESKTOP_DIR/trayer.log" 2>&1 &
    desktop_track $!
    desktop_wait_until 30 desktop_work_area_is_reduced || { DESKTOP_FAILURE="trayer did not reserve its strip"; return 1; }
    return 0
}


desktop_has_window_manager() {
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}

# Work area of the current desktop: x y w h.
desktop_work_area() {
    xprop -root _NET_WORKAREA | sed -E 's/.*= //; s/,//g' | awk '{print $1, $2, $3, $4}'
}

desktop_work_area_is_reduced() {
    local x y w h
    read -r x y w h < <(desktop_work_area)
    [[ $h == $((DESKTOP_SCREEN_HEIGHT - DESKTOP_PANEL_HEIGHT)) ]]
}

# Stops every process the desktop started, newest first, and waits for
# each: nothing here reaps orphans for us.
desktop_stop() {
    desktop_stop_processes
    if [[ -n $DESKTOP_DIR && -d $DESKTOP_DIR ]]; then
        rm -rf "$DESKTOP_DIR"
    fi
    DESKTOP_DIR=""
}

desktop_stop_processes() {
    local i pid
    for ((i = ${#DESKTOP_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${DESKTOP_PIDS[i]}
        if kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null
            desktop_reap "$pid"
        fi
    done
    DESKTOP_PIDS=()
}

# Waits up to 5 s for a process to end, then kills it outright.
desktop_reap() {
    local pid=$1 tries=0
    while kill -0 "$pid" 2>/dev/null && ((tries < 250)); do
        wait "$pid" 2>/dev/null && break
        sleep 0.02
        tries=$((tries + 1))
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill -9 "$pid" 2>/dev/null
    fi
    wait "$pid" 2>/dev/null || true
}

# run_tavrin FOLDER: starts the launcher with FOLDER as its current
# directory; its pid goes to TAVRIN_PID. Output goes to FOLDER/tavrin.log.
run_tavrin() {
    local folder=$1
    [[ -n ${TAVRIN_BIN:-} ]] || desktop_fail "TAVRIN_BIN is not set"
    (cd "$folder" && exec "$TAVRIN_BIN") >"$folder/tavrin.log" 2>&1 &
    TAVRIN_PID=$!
    desktop_track "$TAVRIN_PID"
}

# run_tracked COMMAND...: starts a helper in the background and tracks it.
run_tracked() {
    "$@" &
    desktop_track $!
    echo $!
}

# wait_for_window NAME [TIMEOUT_SECONDS]: prints the id of the first
# visible top-level window (a child of the root or of a window manager's
# frame, so not an icon embedded in the tray) whose name (title) or class
# name matches NAME exactly.
# The first visible top-level window matching an xdotool search that is
# larger than a tray icon (the launcher's tray icon carries its title too,
# for a moment, before the tray host embeds it).
desktop_first_large_window() {
    local candidate w h
    for candidate in $(xdotool search --maxdepth 2 --onlyvisible "$@" 2>/dev/null); do
        read -r w h < <(xwininfo -id "$candidate" 2>/dev/null | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}')
        if [[ -n $w && -n $h ]] && ((w > 48 || h > 48)); then
            echo "$candidate"
            return 0
        fi
    done
    return 1
}

wait_for_window() {
    local name=$1 timeout=${2:-10}
    local deadline=$((SECONDS + timeout)) id
    while ((SECONDS < deadline)); do
        id=$(desktop_first_large_window --name "^${name}\$")
        [[ -n $id ]] || id=$(desktop_first_large_window --classname "^${name}\$")
        if [[ -n $id ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.02
    done
    desktop_log "no window named $name after ${timeout}s"
    return 1
}

# win_geometry ID: x y w h of the window on the root, as xwininfo has it.
win_geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ {x = $4}
        /Absolute upper-left Y:/ {y = $4}
        /Width:/ {w = $2}
        /Height:/ {h = $2}
        END {print x, y, w, h}'
}

# net_wm_state ID: the window's _NET_WM_STATE atoms, comma separated.
net_wm_state() {
    xprop -id "$1" _NET_WM_STATE | sed -E 's/^[^=]*= ?//; s/^_NET_WM_STATE:.*not found.*$//'
}

# net_wm_window_type ID
net_wm_window_type() {
    xprop -id "$1" _NET_WM_WINDOW_TYPE | sed -E 's/^[^=]*= ?//'
}

# pointer_to X Y: moves the pointer and waits until it is there. xdotool's
# own --sync waits for a motion event, which never comes when the pointer is
# already at the target, so the position is polled instead.
pointer_to() {
    xdotool mousemove "$1" "$2"
    desktop_wait_until 2 pointer_is_at "$1" "$2" || true
}

pointer_is_at() {
    local X Y
    eval "$(xdotool getmouselocation --shell 2>/dev/null | grep -E '^[XY]=')"
    [[ ${X:-} == "$1" && ${Y:-} == "$2" ]]
}

click() {
    xdotool click "${1:-1}"
}

screenshot() {
    import -window root "$1"
}

# tray_icon_geometry [CLASS]: x y w h of a visible icon window embedded in
# the tray panel at the bottom of the screen (default class: tavrin).
tray_icon_geometry() {
    local class=${1:-tavrin} id x y w h
    for id in $(xdotool search --classname "$class" 2>/dev/null); do
        xwininfo -id "$id" | grep -q 'Map State: IsViewable' || continue
        read -r x y w h < <(win_geometry "$id")
        if ((y >= DESKTOP_SCREEN_HEIGHT - DESKTOP_PANEL_HEIGHT && w <= 64 && h <= 64)); then
            echo "$x $y $w $h"
            return 0
        fi
    done
    return 1
}
