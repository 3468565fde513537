# Reading on-screen texts from outside through the accessibility bus.
# Source after desktop.sh and call accessibility_start after desktop_start:
# programs started afterwards publish their widgets on the bus.

accessibility_start() {
    [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || desktop_fail "accessibility needs the session bus"
    local launcher=/usr/libexec/at-spi-bus-launcher
    [ -x "$launcher" ] || desktop_fail "at-spi-bus-launcher is not installed"
    "$launcher" --launch-immediately >/dev/null 2>&1 &
    desktop_track $!
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    export NO_AT_BRIDGE=0
    desktop_wait_until 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress || desktop_fail "the accessibility bus did not start"
}

accessibility_dump() {
    timeout 20 /usr/bin/python3 "$TAVRIN_SOURCE_DIR/tests/desktop/atspi_dump.py" "$@" 2>/dev/null || true
}

# accessibility_wait_for_text TEXT TIMEOUT: some accessible name contains TEXT.
accessibility_wait_for_text() {
    local text=$1 timeout=${2:-10}
    local deadline=$((SECONDS + timeout))
    while ((SECONDS < deadline)); do
        accessibility_dump | grep -qF -- "$text" && return 0
        sleep 0.2
    done
    return 1
}
