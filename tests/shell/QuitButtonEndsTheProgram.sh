#!/usr/bin/env bash
# Starts the real program on a virtual X display, clicks its Quit button with a real mouse event
# and expects the process to end by itself with exit status 0.
set -u
program="$1"
if [ -z "${TESVAN_ON_XVFB:-}" ]; then
    TESVAN_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
export QT_QPA_PLATFORM=xcb

run() {
    "$program" &
    local pid=$!
    local window
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Tesvan Diagram$" | head -n 1)
    if [ -z "$window" ]; then
        echo "the main window did not appear"
        kill "$pid" 2>/dev/null
        return 1
    fi
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # The content area is the window's bottom 894 x 781; the Quit button's middle is at (830, 748).
    local x=$((X + 830))
    local y=$((Y + HEIGHT - 781 + 748))
    # Give the window a moment to finish its first paint before the click.
    sleep 0.5
    xdotool mousemove "$x" "$y" sleep 0.2 click 1
    local waited=0
    while kill -0 "$pid" 2>/dev/null && [ $waited -lt 100 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "the program was still running after the click on Quit"
        kill "$pid"
        return 1
    fi
    wait "$pid"
    local status=$?
    echo "exit status $status"
    [ "$status" -eq 0 ]
}

run
