#!/usr/bin/env bash
# Starts the real program where no Qt platform can start and expects Qt's messages first, then
# the program's own words on what failed, and exit status 1: no abort, no advice to reinstall.
# A start that succeeds passes on every message Qt gave while it started. The second argument
# is the folder of Qt's plugins.
set -u
program="$1"
qt_plugins="$2"
name=$(basename "$program")
# shellcheck source=BackgroundServers.sh
. "$(dirname "$0")/BackgroundServers.sh"

# A display number that no server holds: neither its socket nor its lock file exists.
n=90
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do
    n=$((n + 1))
done

# Servers that answer: an X display and a Wayland compositor.
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime" weston --backend=headless-backend.so --socket=compositor \
    --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$work/display" ] && [ -S "$work/runtime/compositor" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
[ -S "$work/runtime/compositor" ] || { echo "weston did not start"; cat "$work/weston.log"; exit 1; }
x=":$(head -n 1 "$work/display")"

# A library xcb's plugin needs, broken: an empty file where the loader looks first.
mkdir "$work/broken" && : >"$work/broken/libxcb-icccm.so.4"
broken="LD_LIBRARY_PATH=$work/broken${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"

# Qt without its Wayland platform, as where qt6-wayland is not installed: a copy of the program
# whose qt.conf shows it every platform plugin but the Wayland ones.
mkdir -p "$work/no-wayland/bin" "$work/no-wayland/plugins/platforms"
cp "$program" "$work/no-wayland/bin/"
printf '[Paths]\nPlugins=%s\n' "$work/no-wayland/plugins" >"$work/no-wayland/bin/qt.conf"
for plugin in "$qt_plugins"/platforms/*; do
    [[ "$plugin" == *wayland* ]] || ln -s "$plugin" "$work/no-wayland/plugins/platforms/"
done

run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE -u QT_DEBUG_PLUGINS \
        -u QT_FATAL_WARNINGS -u QT_FATAL_CRITICALS -u QT_PLUGIN_PATH -u QT_QPA_PLATFORM_PLUGIN_PATH \
        XDG_RUNTIME_DIR="$work/runtime" "$@"
}

subject="$program"
failures=0
report() {
    echo "$1: $2"
    echo "$3" | sed 's/^/    /'
    failures=$((failures + 1))
}

# check WHAT EXPECTED WORDS [VAR=value ...] [-- argument ...]
# EXPECTED: "display" (it needs a display) or "platform:NAME" (the one platform that could not
# start); WORDS: words the program's own lines must hold besides. It runs $subject.
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
    output=$(run "${variables[@]}" timeout 20 "$subject" "$@" 2>&1)
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
    DISPLAY="$x" "$broken"
check "xcb's plugin broken, an X display running, WAYLAND_DISPLAY naming no compositor" \
    platform:xcb "" DISPLAY="$x" WAYLAND_DISPLAY=tesvan-no-such-display "$broken"
subject="$work/no-wayland/bin/$name" check "wayland's plugin missing, a compositor running" \
    platform:wayland "" WAYLAND_DISPLAY=compositor
check "-platform nosuch, an X display running" platform:nosuch -platform DISPLAY="$x" \
    -- -platform nosuch
check "QT_QPA_PLATFORM naming no platform" platform:tesvan-no-such-platform QT_QPA_PLATFORM \
    QT_QPA_PLATFORM=tesvan-no-such-platform

# starts WHAT WORDS [VAR=value ...]: a start that succeeds, still running three seconds on, with
# Qt's messages from the making of the application passed on as Qt prints them: a line that holds
# WORDS (an extended regular expression), and none with an empty category (": text").
starts() {
    local what="$1" words="$2"
    shift 2
    local output status
    output=$(run "$@" timeout 3 "$program" 2>&1)
    status=$?
    [ "$status" -eq 124 ] || report "$what" "exit status $status, not still running" "$output"
    grep -qE -- "$words" <<<"$output" || report "$what" "no line of Qt's like $words" "$output"
    ! grep -q '^: ' <<<"$output" || report "$what" "a message with an empty category" "$output"
}

starts "offscreen, QT_DEBUG_PLUGINS=1" '^qt\.core\..*libqoffscreen' \
    QT_QPA_PLATFORM=offscreen QT_DEBUG_PLUGINS=1
starts "an X display running, WAYLAND_DISPLAY naming no compositor" 'wl_display' \
    DISPLAY="$x" WAYLAND_DISPLAY=tesvan-no-such-display

[ "$failures" -eq 0 ]
