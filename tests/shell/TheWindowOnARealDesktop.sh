#!/usr/bin/env bash
# The real program's main window on a virtual X display under openbox, driven as a person and the
# window manager drive it. The first argument is the program, the second the case:
#   across-monitors  two 1280 x 1024 monitors side by side: moved to (900, 100), over both, the
#                    window stays there
#   scaled-monitor   the same with the right monitor at scale 1.5: moved onto it, the window fits
#                    it, frame included
#   minimise         on 1024 x 768, moved partly off the screen, minimised and restored: it comes
#                    back where it was left
#   fullscreen       on 1024 x 768, made fullscreen by the window manager and back: its frame,
#                    title bar included, ends on the screen
#   panel            on 1280 x 1024, a panel takes the bottom 324 pixels after start-up (the
#                    root window's work area): the window fits what is left, and gets its size
#                    back when the panel goes
# Every wait polls with a time limit; "stays" means unchanged for a second and a half.
set -u
program="$1"
case="$2"
# shellcheck source=BackgroundServers.sh
. "$(dirname "$0")/BackgroundServers.sh"

fail() {
    echo "$case: $*"
    exit 1
}

# Polls a command for up to $1 tenths of a second; true as soon as it succeeds.
poll() {
    local tenths="$1"
    shift
    for ((t = 0; t < tenths; t++)); do
        "$@" && return 0
        sleep 0.1
    done
    "$@"
}

# True while a command keeps succeeding for a second and a half.
stays() {
    for ((t = 0; t < 15; t++)); do
        "$@" || return 1
        sleep 0.1
    done
}

start_display() {
    local size="$1"
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -noreset 3>"$work/display" 2>/dev/null &
    pids+=($!)
    poll 100 grep -q . "$work/display" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n 1 "$work/display")"
}

start_program() {
    openbox --sm-disable >/dev/null 2>&1 &
    pids+=($!)
    poll 100 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "openbox did not start"
    QT_QPA_PLATFORM=xcb "$program" >"$work/log" 2>&1 &
    pids+=($!)
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Tesvan Diagram$" | head -n 1)
    [ -n "$window" ] || fail "the main window did not appear"
    # Openbox has framed it once its frame's extents are set.
    poll 100 sh -c "xprop -id $window _NET_FRAME_EXTENTS | grep -q =" || fail "no frame extents"
}

# The frame's left, top, right and bottom edges (exclusive) into FL FT FR FB.
frame() {
    local info extents
    info=$(xwininfo -id "$window") || return 1
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r el er et eb <<<"$extents"
    local x y w h
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    w=$(sed -n 's/.*Width: *//p' <<<"$info")
    h=$(sed -n 's/.*Height: *//p' <<<"$info")
    FL=$((x - el)) FT=$((y - et)) FR=$((x + w + er)) FB=$((y + h + eb))
}

frame_at() {
    frame && [ "$FL" -eq "$1" ] && [ "$FT" -eq "$2" ]
}

# Inside the area left, top, right, bottom, one pixel of rounding allowed.
frame_inside() {
    frame && [ "$FL" -ge $(($1 - 1)) ] && [ "$FT" -ge $(($2 - 1)) ] &&
        [ "$FR" -le $(($3 + 1)) ] && [ "$FB" -le $(($4 + 1)) ]
}

height_is() {
    frame && [ $((FB - FT)) -eq "$1" ]
}

where() {
    frame
    echo "frame $FL,$FT .. $FR,$FB"
}

# Moves the window to (x, y) as a person's drag ends there, then notes where its frame stands
# in MX, MY (the window manager may take the point as the client's corner or the frame's).
near() {
    frame && [ $((FL - $1)) -ge -2 ] && [ $((FL - $1)) -le 2 ] &&
        [ $((FT - $2)) -ge -21 ] && [ $((FT - $2)) -le 2 ]
}

move_to() {
    xdotool windowmove "$window" "$1" "$2"
    poll 50 near "$1" "$2" || fail "the move to ($1, $2) did not happen: $(where)"
    MX=$FL MY=$FT
}

# The frame's left edge is on the right monitor (the fit may then move it to that edge).
on_the_right() {
    frame && [ "$FL" -ge 1279 ]
}

two_monitors() {
    start_display 2560x1024
    xrandr --setmonitor L 1280/338x1024/270+0+0 none >/dev/null
    xrandr --setmonitor R 1280/338x1024/270+1280+0 none >/dev/null
}

not_fullscreen() {
    ! xprop -id "$window" _NET_WM_STATE | grep -q FULLSCREEN
}

state_has() {
    xprop -id "$window" _NET_WM_STATE | grep -q "$1"
}

case "$case" in
across-monitors)
    two_monitors
    start_program
    move_to 900 100
    stays frame_at "$MX" "$MY" || fail "the window moved by itself: $(where)"
    ;;
scaled-monitor)
    export QT_SCREEN_SCALE_FACTORS="L=1;R=1.5"
    two_monitors
    start_program
    xdotool windowmove "$window" 1400 0
    poll 50 on_the_right || fail "the move did not happen: $(where)"
    poll 50 frame_inside 1280 0 2560 1024 && stays frame_inside 1280 0 2560 1024 ||
        fail "the window does not lie on the right monitor: $(where)"
    ;;
minimise)
    start_display 1024x768
    start_program
    move_to 600 100
    xdotool windowminimize "$window"
    poll 50 state_has HIDDEN || fail "the window was not minimised"
    wmctrl -i -a "$window"
    poll 50 sh -c "! xprop -id $window _NET_WM_STATE | grep -q HIDDEN" || fail "not restored"
    poll 20 frame_at "$MX" "$MY" && stays frame_at "$MX" "$MY" ||
        fail "restored, the window is not where it was left: $(where)"
    ;;
fullscreen)
    start_display 1024x768
    start_program
    poll 50 frame_inside 0 0 1024 768 || fail "the window does not fit the screen: $(where)"
    wmctrl -i -r "$window" -b add,fullscreen
    # The window may refuse; otherwise it is asked back.
    if ! poll 30 not_fullscreen; then
        wmctrl -i -r "$window" -b remove,fullscreen
        poll 50 not_fullscreen || fail "still fullscreen"
    fi
    poll 50 frame_inside 0 0 1024 768 && stays frame_inside 0 0 1024 768 ||
        fail "the frame is not on the screen: $(where)"
    ;;
panel)
    start_display 1280x1024
    start_program
    poll 50 frame_inside 0 0 1280 1024 || fail "the window does not fit the screen: $(where)"
    designed=$((FB - FT))
    xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0, 0, 1280, 700"
    poll 50 frame_inside 0 0 1280 700 || fail "the window does not fit above the panel: $(where)"
    xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0, 0, 1280, 1024"
    poll 50 height_is "$designed" ||
        fail "the window did not get its size back: $(where)"
    ;;
*)
    fail "unknown case"
    ;;
esac
echo "$case: $(where)"
