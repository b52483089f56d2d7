#!/usr/bin/env bash
# Runs the set-up against stand-ins for dpkg-query, id and apt-get: every package missing, apt as
# wordy as on a bare machine. The set-up must say in a few lines what it installs and where apt's
# output went, keep that output whole in the log, and on a failure show the log's end and fail.
set -u
setup="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin" "$work/tmp"
cat >"$work/bin/dpkg-query" <<'STUB'
#!/bin/sh
exit 1
STUB
cat >"$work/bin/id" <<'STUB'
#!/bin/sh
echo 0
STUB
cat >"$work/bin/apt-get" <<'STUB'
#!/bin/sh
i=0
while [ $i -lt 1500 ]; do echo "Selecting previously unselected package p$i."; i=$((i + 1)); done
case " $* " in *" install "*)
    if [ "${STUB_APT_STATUS:-0}" -ne 0 ]; then
        echo "E: Unable to locate package nothing-like-it"
        exit "$STUB_APT_STATUS"
    fi ;;
esac
exit 0
STUB
chmod +x "$work/bin/"*

failures=0
fail() {
    echo "$1"
    head -n 20 "$work/out" | sed 's/^/    /'
    failures=$((failures + 1))
}

# Each row: the name, apt's exit status, the set-up's exit status, the most lines it may print.
check() {
    local name="$1" apt_status="$2" want_status="$3" most_lines="$4"
    rm -f "$work/tmp/"*
    STUB_APT_STATUS="$apt_status" TMPDIR="$work/tmp" PATH="$work/bin:$PATH" \
        "$setup" >"$work/out" 2>&1 </dev/null
    local status=$?
    local log
    log=$(ls "$work/tmp/"*.log 2>/dev/null | head -n 1)
    [ "$status" -eq "$want_status" ] || fail "$name: exit status $status, not $want_status"
    [ "$(wc -l <"$work/out")" -le "$most_lines" ] || fail "$name: more than $most_lines lines"
    grep -q "qt6-base-dev" "$work/out" || fail "$name: the missing packages are not named"
    [ -n "$log" ] && grep -qF "$log" "$work/out" || fail "$name: the log's path is not named"
    [ -n "$log" ] && [ "$(grep -c '^Selecting' "$log")" -ge 3000 ] ||
        fail "$name: apt's output is not whole in the log"
    if [ "$apt_status" -ne 0 ]; then
        grep -q "E: Unable to locate package" "$work/out" || fail "$name: the log's end is not shown"
    fi
}

check "installs" 0 0 4
check "apt fails" 100 100 20

[ "$failures" -eq 0 ]
