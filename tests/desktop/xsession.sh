# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the desktop tests: a private Xvfb display and helpers around the
# program's window. Everything started here is stopped on exit.
work=$(mktemp -d)
xvfb_pid=
program_pid=
stop_session() {
    [[ -n "$program_pid" ]] && kill "$program_pid" 2>/dev/null || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap stop_session EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Waits without a sleep command, which a sandbox may not have.
pause() {
    read -r -t "$1" <> <(:) || true
}

start_display() {
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    exec 3>&-
    until [[ -s "$work/display" ]]; do
        kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start"
        pause 0.05
    done
    export DISPLAY=":$(head -n1 "$work/display")"
    export XDG_RUNTIME_DIR="$work/runtime"
    # No session bus unless the test brings its own: D-Bus would otherwise
    # autolaunch a bus daemon on the display, which outlives the program.
    export DBUS_SESSION_BUS_ADDRESS="${DBUS_SESSION_BUS_ADDRESS:-disabled:}"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM
}

# The main window's id, once it is on the screen.
main_window() {
    timeout 20 xdotool search --sync --onlyvisible --name 'termination de la valeur' | head -n1
}

# Closes every About message box that is open, with the keyboard, and counts
# the boxes (each box once, however many tries it takes).
boxes_closed=0
declare -A seen_boxes=()
close_message_boxes() {
    local box
    for box in $(xdotool search --onlyvisible --name 'propos de\.\.\.$' 2>/dev/null || true); do
        xdotool windowfocus --sync "$box" key --clearmodifiers Return 2>/dev/null || true
        if [[ -z "${seen_boxes[$box]:-}" ]]; then
            seen_boxes[$box]=1
            boxes_closed=$((boxes_closed + 1))
        fi
    done
}

# Closes message boxes as they come until none has come for half a second
# (at most ten seconds): a window behind a modal box cannot be closed.
close_message_boxes_until_quiet() {
    local quiet=0 rounds before
    for ((rounds = 0; rounds < 100 && quiet < 5; ++rounds)); do
        before=$boxes_closed
        close_message_boxes
        if ((boxes_closed == before)); then
            quiet=$((quiet + 1))
        else
            quiet=0
        fi
        pause 0.1
    done
}

# Asks the window to close as a desktop would, then waits for the process to
# end; fails unless it ends, cleanly, within ten seconds.
close_and_wait() {
    local probe=$1 window=$2 pid=$3 status=0
    "$probe" close "$window" || fail "could not send the close request"
    for ((tries = 0; tries < 100; ++tries)); do
        kill -0 "$pid" 2>/dev/null || break
        pause 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "still running after the close request"
    wait "$pid" || status=$?
    program_pid=
    ((status == 0)) || fail "ended with status $status"
}
