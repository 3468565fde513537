# Driving the launcher probe (tests/window/LauncherProbe.cpp) from the
# end-to-end scripts. Source after desktop.sh.
#
#   probe_start Form1 500 -670 174 673   # as a coprocess; id in PROBE_WINDOW
#   probe_ask pos                        # prints the probe's answer line

PROBE_BIN="${TAVRIN_BINARY_DIR:-}/tests/window/launcher_probe"

probe_start() {
    [[ -x $PROBE_BIN ]] || desktop_fail "launcher_probe is not built ($PROBE_BIN)"
    PROBE_NAME=$1
    coproc PROBE { exec "$PROBE_BIN" "$@" 2>"$DESKTOP_DIR/probe-$1.log"; }
    desktop_track "$PROBE_PID"
    PROBE_WINDOW=$(wait_for_window "$1") || desktop_fail "the probe window $1 did not appear"
    # The reader answers once the event loop runs.
    probe_ask screen >/dev/null
}

probe_ask() {
    local line
    echo "$*" >&"${PROBE[1]}"
    read -r -t 10 line <&"${PROBE[0]}" || desktop_fail "no answer from the probe to: $*"
    echo "$line"
}

# Ends the probe and checks that it exited cleanly (sanitizer reports
# included); its error output is shown when there is any.
probe_quit() {
    local pid=$PROBE_PID status log="$DESKTOP_DIR/probe-$PROBE_NAME.log"
    echo quit >&"${PROBE[1]}" 2>/dev/null || true
    wait "$pid"
    status=$?
    expect "the probe exits cleanly" 0 "$status"
    if [[ -s $log ]]; then
        sed 's/^/probe: /' "$log"
    fi
}

# A second, ordinary window (another program) at x y w h, named NAME.
other_window_start() {
    local name=$1
    shift
    "$PROBE_BIN" "$name" "$@" --normal </dev/null >/dev/null 2>&1 &
    desktop_track $!
    OTHER_PID=$!
    OTHER_WINDOW=$(wait_for_window "$name") || desktop_fail "the window $name did not appear"
}

# Checks: expect WHAT EXPECTED ACTUAL
CHECKS_FAILED=0
expect() {
    if [[ $2 == "$3" ]]; then
        echo "ok   - $1"
    else
        echo "FAIL - $1: expected '$2', got '$3'"
        CHECKS_FAILED=$((CHECKS_FAILED + 1))
    fi
}

expect_contains() {
    if [[ $3 == *"$2"* ]]; then
        echo "ok   - $1"
    else
        echo "FAIL - $1: '$2' not in '$3'"
        CHECKS_FAILED=$((CHECKS_FAILED + 1))
    fi
}

expect_lacks() {
    if [[ $3 != *"$2"* ]]; then
        echo "ok   - $1"
    else
        echo "FAIL - $1: '$2' found in '$3'"
        CHECKS_FAILED=$((CHECKS_FAILED + 1))
    fi
}

checks_result() {
    if ((CHECKS_FAILED > 0)); then
        echo "$CHECKS_FAILED check(s) failed"
        return 1
    fi
    echo "all checks passed"
}
