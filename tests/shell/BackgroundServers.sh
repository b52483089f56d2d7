# Sourced by the desktop test scripts: a private work folder in $work, and the background
# processes whose ids are added to pids ended, last started first, when the script exits.
work=$(mktemp -d)
chmod 700 "$work"
pids=()
end_background() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$work"
}
trap end_background EXIT
