#!/usr/bin/env bash
# Starts the real program where no display answers and expects a plain word about the display
# it needs and exit status 1: no abort, no advice to reinstall.
set -u
program="$1"

# A display number that no server holds: neither its socket nor its lock file exists.
n=90
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do
    n=$((n + 1))
done

failures=0
# Each row: what it is, then the environment the program gets.
check() {
    local what="$1"
    shift
    local output status
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" timeout 20 "$program" 2>&1)
    status=$?
    local problems=()
    [ "$status" -eq 1 ] || problems+=("exit status $status, not 1")
    grep -q "graphical display" <<<"$output" || problems+=("no word of a graphical display")
    grep -qw "DISPLAY" <<<"$output" || problems+=("DISPLAY not named")
    grep -qw "WAYLAND_DISPLAY" <<<"$output" || problems+=("WAYLAND_DISPLAY not named")
    ! grep -qi "reinstall" <<<"$output" || problems+=("advice to reinstall")
    [ "$(wc -l <<<"$output")" -le 3 ] || problems+=("more than three lines")
    if [ ${#problems[@]} -gt 0 ]; then
        echo "$what: $(IFS=';'; echo "${problems[*]}")"
        echo "$output" | sed 's/^/    /'
        failures=$((failures + 1))
    fi
}

check "no display named"
check "DISPLAY=:$n, served by nobody" DISPLAY=":$n"
check "WAYLAND_DISPLAY naming no compositor" WAYLAND_DISPLAY="tesvan-no-such-display-$$"
check "QT_QPA_PLATFORM=xcb with no display" QT_QPA_PLATFORM=xcb
check "QT_QPA_PLATFORM naming no platform" QT_QPA_PLATFORM=tesvan-no-such-platform

[ "$failures" -eq 0 ]
