#!/usr/bin/env bash
# Starts the real program on a virtual X display, clicks its Quit button with a real mouse event
# and expects the process to end by itself with exit status 0. A second argument gives the
# screen's size (1280x1024 by default); on a screen too small for the window, the window must
# lie on the screen and the wheel over the canvas scrolls Quit into view first.
set -u
program="$1"
screen="${2:-1280x1024}"
if [ -z "${TESVAN_ON_XVFB:-}" ]; then
    TESVAN_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 ${screen}x24" "$0" "$@"
fi
screen_width="${screen%x*}"
screen_height="${screen#*x}"
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
    # Give the window a moment to finish its first paint and its fitting to the screen.
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$window")"
    if [ $((X + WIDTH)) -gt "$screen_width" ] || [ $((Y + HEIGHT)) -gt "$screen_height" ]; then
        echo "the window (${WIDTH}x${HEIGHT} at $X,$Y) does not lie on the ${screen} screen"
        kill "$pid"
        return 1
    fi
    # The content is 894 x 781, the Quit button's middle at (830, 748), 64 and 33 pixels from its
    # right and bottom edges. Where the content scrolls, the wheel over the canvas brings its
    # bottom and right edges to those of the view, inside the scroll bars (14 pixels or so).
    local bar=0 across=0
    if [ "$WIDTH" -ne 894 ]; then
        bar=14
        [ $((WIDTH - bar)) -lt 894 ] && across=$bar
        xdotool mousemove $((X + 200)) $((Y + 200))
        xdotool click --repeat 30 --delay 5 5 click --repeat 30 --delay 5 7
    fi
    local x=$((X + 830))
    [ "$across" -ne 0 ] && x=$((X + WIDTH - bar - 64))
    local y=$((Y + HEIGHT - across - 33))
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
