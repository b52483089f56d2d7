#!/usr/bin/env bash
# Starts the real program where no Qt platform can start and expects Qt's messages first, then
# the program's own words on what failed, and exit status 1: no abort, no advice to reinstall.
# A start that succeeds passes on every message Qt gave while it started.
set -u
program="$1"
name=$(basename "$program")
work=$(mktemp -d)
servers=()
finish() {
    [ ${#servers[@]} -gt 0 ] && kill "${servers[@]}" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

# A display number that no server holds: neither its socket nor its lock file exists.
n=90
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do
    n=$((n + 1))
done

# Servers that answer: an X display and a Wayland compositor.
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
servers+=($!)
mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime" weston --backend=headless-backend.so --socket=compositor \
    --idle-time=0 >"$work/weston.log" 2>&1 &
servers+=($!)
for _ in $(seq 100); do
    [ -s "$work/display" ] && [ -S "$work/runtime/compositor" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
[ -S "$work/runtime/compositor" ] || { echo "weston did not start"; cat "$work/weston.log"; exit 1; }
x=":$(head -n 1 "$work/display")"

# A library a platform plugin needs, broken: an empty file where the loader looks first.
for broken in libxcb-icccm.so.4 libQt6WaylandClient.so.6; do
    mkdir "$work/$broken" && : >"$work/$broken/$broken"
done
broken() { echo "LD_LIBRARY_PATH=$work/$1${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"; }

run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE -u QT_DEBUG_PLUGINS \
        -u QT_FATAL_WARNINGS XDG_RUNTIME_DIR="$work/runtime" "$@"
}

failures=0
report() {
    echo "$1: $2"
    echo "$3" | sed 's/^/    /'
    failures=$((failures + 1))
}

# check WHAT EXPECTED WORDS [VAR=value ...] [-- argument ...]
# EXPECTED: "display" (it needs a display) or "platform:NAME" (the one platform that could not
# start); WORDS: words the program's own lines must hold besides.
check() {
    local what="$1" expected="$2" words="$3"
    shift 3
    local variables=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do
        variables+=("$1")
        shift
    done
    [ $# -gt 0 ] && shift
    local output status
    output=$(run "${variables[@]}" timeout 20 "$program" "$@" 2>&1)
    status=$?
    local qts ours
    qts=$(sed -n "/^$name: /q;p" <<<"$output")
    ours=$(sed -n "/^$name: /,\$p" <<<"$output")
    local problems=()
    [ "$status" -eq 1 ] || problems+=("exit status $status, not 1")
    grep -q '^qt\.' <<<"$qts" || problems+=("no message of Qt's before the program's words")
    ! grep -qi "reinstall" <<<"$output" || problems+=("advice to reinstall")
    case "$expected" in
    display)
        grep -q "graphical display" <<<"$ours" || problems+=("no word of a graphical display")
        grep -qw "DISPLAY" <<<"$ours" || problems+=("DISPLAY not named")
        grep -qw "WAYLAND_DISPLAY" <<<"$ours" || problems+=("WAYLAND_DISPLAY not named")
        ;;
    platform:*)
        ! grep -q "graphical display" <<<"$ours" || problems+=("a word of a display")
        local named
        named=$(grep "could not start" <<<"$ours" | grep -o '"[^"]*"')
        [ "$named" = "\"${expected#platform:}\"" ] ||
            problems+=("not \"${expected#platform:}\" alone named as the platform that failed")
        ;;
    esac
    local word
    for word in $words; do
        grep -qF -- "$word" <<<"$ours" || problems+=("$word not named")
    done
    [ ${#problems[@]} -eq 0 ] || report "$what" "$(IFS=';'; echo "${problems[*]}")" "$output"
}

check "no display named" display ""
check "DISPLAY=:$n, served by nobody" display "" DISPLAY=":$n"
check "QT_FATAL_WARNINGS=1 with no display" display "" QT_FATAL_WARNINGS=1
check "QT_QPA_PLATFORM=xcb with no display" display '"xcb" QT_QPA_PLATFORM' QT_QPA_PLATFORM=xcb
check "QT_QPA_PLATFORM=wayland, WAYLAND_DISPLAY naming no compositor" display \
    '"wayland" QT_QPA_PLATFORM' QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=tesvan-no-such-display
check "xcb's plugin broken, an X display running" platform:xcb QT_DEBUG_PLUGINS \
    DISPLAY="$x" "$(broken libxcb-icccm.so.4)"
check "xcb's plugin broken, an X display running, WAYLAND_DISPLAY naming no compositor" \
    platform:xcb "" DISPLAY="$x" WAYLAND_DISPLAY=tesvan-no-such-display \
    "$(broken libxcb-icccm.so.4)"
check "wayland's plugin broken, a compositor running" platform:wayland "" \
    WAYLAND_DISPLAY=compositor "$(broken libQt6WaylandClient.so.6)"
check "-platform nosuch, an X display running" platform:nosuch -platform DISPLAY="$x" \
    -- -platform nosuch
check "QT_QPA_PLATFORM naming no platform" platform:tesvan-no-such-platform QT_QPA_PLATFORM \
    QT_QPA_PLATFORM=tesvan-no-such-platform

# A start that succeeds: Qt's plugin lines from the making of the application come through.
output=$(run QT_QPA_PLATFORM=offscreen QT_DEBUG_PLUGINS=1 timeout 3 "$program" 2>&1)
status=$?
[ "$status" -eq 124 ] || report "offscreen, QT_DEBUG_PLUGINS=1" "exit status $status" "$output"
grep -q '^qt\.core\..*libqoffscreen' <<<"$output" ||
    report "offscreen, QT_DEBUG_PLUGINS=1" "no plugin line of Qt's" "$output"

[ "$failures" -eq 0 ]
