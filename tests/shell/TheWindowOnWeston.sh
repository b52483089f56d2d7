#!/usr/bin/env bash
# The real program on Qt's Wayland platform under weston's headless output of the size given
# (WxH), with weston's desktop shell and its panel: the window, title bar included, asks for no
# more than the third argument (WxH; the area the panel leaves, or the window's design size where
# the output holds it). The size it asks for is the last xdg_surface.set_window_geometry of its
# Wayland log.
set -u
program="$1"
size="$2"
width="${size%x*}"
height="${size#*x}"
most="${3:-$size}"
# shellcheck source=BackgroundServers.sh
. "$(dirname "$0")/BackgroundServers.sh"
export XDG_RUNTIME_DIR="$work"
socket=wl-test
weston --backend=headless-backend.so --width="$width" --height="$height" --socket="$socket" \
    >"$work/weston.log" 2>&1 &
pids+=($!)
for ((t = 0; t < 100; t++)); do
    [ -S "$work/$socket" ] && break
    sleep 0.1
done
[ -S "$work/$socket" ] || { echo "weston did not start"; exit 1; }
WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$program" >"$work/log" 2>&1 &
pids+=($!)
# The size asked for once the window has been configured and fitted: the last one asked for
# after a second without a new one.
last="" settled=0
for ((t = 0; t < 200 && settled < 10; t++)); do
    sleep 0.1
    now=$(grep -o 'set_window_geometry([^)]*)' "$work/log" | tail -n 1)
    if [ -n "$now" ] && [ "$now" = "$last" ]; then
        settled=$((settled + 1))
    else
        settled=0
    fi
    last="$now"
done
[ -n "$last" ] || { echo "the window asked for no size"; exit 1; }
read -r _ _ w h <<<"$(sed 's/.*(//; s/)//; s/,/ /g' <<<"$last")"
echo "on ${size}: ${w}x${h}, at most ${most}"
[ "$w" -le "${most%x*}" ] && [ "$h" -le "${most#*x}" ]
