#!/usr/bin/env bash
# Runs the set-up against stand-ins for dpkg-query, id, sudo and apt-get: every package missing,
# apt as wordy as on a bare machine, its errors on stderr. The set-up must say in a few lines what
# it installs and where apt's output went, keep that output whole in the log, ask apt nothing it
# would stop at (through sudo too, which clears the environment), on a failure show the log's end
# and fail, and name only packages the release has, whatever the major version of its clang.
set -u
setup="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin" "$work/sudo" "$work/nosudo" "$work/tmp"
cat >"$work/bin/dpkg-query" <<'STUB'
#!/bin/sh
exit 1
STUB
cat >"$work/bin/id" <<'STUB'
#!/bin/sh
echo "${STUB_UID:-0}"
STUB
# As sudo does: the command runs with a cleared environment (and is marked as run by sudo).
cat >"$work/sudo/sudo" <<'STUB'
#!/bin/sh
exec env -i PATH="$PATH" STUB_SUDO=1 "$@"
STUB
# The release's apt: its clang's major version and the status of its install are in files
# beside it, as sudo passes no environment on. It writes each call to a file there.
cat >"$work/bin/apt-get" <<'STUB'
#!/bin/sh
here="${0%/*}/.."
read -r major <"$here/clang-major"
read -r status <"$here/apt-status"
echo "${STUB_SUDO:+sudo }DEBIAN_FRONTEND=${DEBIAN_FRONTEND:-} $*" >>"$here/apt-calls"
i=0
while [ $i -lt 1500 ]; do echo "Selecting previously unselected package p$i."; i=$((i + 1)); done
case " $* " in *" install "*)
    for p in "$@"; do
        case "$p" in *clang*-[0-9]*|*llvm*-[0-9]*)
            case "$p" in *-"$major"|*-"$major"-*) ;; *)
                echo "E: Unable to locate package $p" >&2
                exit 100 ;;
            esac ;;
        esac
    done
    if [ "$status" -ne 0 ]; then
        echo "E: Unable to locate package nothing-like-it" >&2
        exit "$status"
    fi ;;
esac
exit 0
STUB
chmod +x "$work/bin/"* "$work/sudo/"*
# Without sudo: only what the set-up needs before it gives up.
for tool in bash grep; do ln -s "$(command -v "$tool")" "$work/nosudo/$tool"; done

failures=0
fail() {
    echo "$1"
    head -n 20 "$work/out" | sed 's/^/    /'
    failures=$((failures + 1))
}

# Runs the set-up as user $1 with the release's clang $2 and apt's install status $3, with the
# folder $4 on PATH after the stand-ins (and nothing else but it when $5 is "only").
run() {
    rm -f "$work/tmp/"* "$work/apt-calls"
    echo "$2" >"$work/clang-major"
    echo "$3" >"$work/apt-status"
    local path="$work/bin:$4:$PATH"
    [ "${5:-}" = only ] && path="$work/bin:$4"
    env -u DEBIAN_FRONTEND STUB_UID="$1" TMPDIR="$work/tmp" PATH="$path" \
        "$setup" >"$work/out" 2>&1 </dev/null
}

# Each row: the name, the user, the release's clang, apt's install status, the set-up's exit
# status, the most lines it may print.
check() {
    local name="$1" uid="$2" clang="$3" apt_status="$4" want_status="$5" most_lines="$6"
    run "$uid" "$clang" "$apt_status" "$work/sudo"
    local status=$?
    local log
    log=$(ls "$work/tmp/"*.log 2>/dev/null | head -n 1)
    [ "$status" -eq "$want_status" ] || fail "$name: exit status $status, not $want_status"
    [ "$(wc -l <"$work/out")" -le "$most_lines" ] || fail "$name: more than $most_lines lines"
    grep -q "qt6-base-dev" "$work/out" || fail "$name: the missing packages are not named"
    [ -n "$log" ] && grep -qF "$log" "$work/out" || fail "$name: the log's path is not named"
    [ -n "$log" ] && [ "$(grep -c '^Selecting' "$log")" -ge 3000 ] ||
        fail "$name: apt's output is not whole in the log"
    local via=""
    [ "$uid" -eq 0 ] || via="sudo "
    [ "$(grep -c "^${via}DEBIAN_FRONTEND=" "$work/apt-calls")" -eq 2 ] ||
        fail "$name: apt is not called twice ${via:+through sudo}"
    local quiet="-o Dpkg::Options::=--force-confdef -o Dpkg::Options::=--force-confold"
    grep -q "^${via}DEBIAN_FRONTEND=noninteractive .*install .*$quiet " "$work/apt-calls" ||
        fail "$name: the install may ask a question: $(grep install "$work/apt-calls")"
    if [ "$want_status" -ne 0 ]; then
        [ -n "$log" ] && grep -q "^E: Unable to locate package" "$log" ||
            fail "$name: apt's error is not in the log"
        grep -q "    E: Unable to locate package" "$work/out" ||
            fail "$name: the log's end is not shown"
    fi
}

check "as root" 0 14 0 0 4
check "as root, a release with another clang" 0 19 0 0 4
check "through sudo" 1000 19 0 0 4
check "apt fails" 0 19 100 100 20
check "apt fails through sudo" 1000 14 100 100 20

# Without sudo: the set-up names the command, and the release has every package it names.
for clang in 14 19; do
    run 1000 "$clang" 0 "$work/nosudo" only
    status=$?
    [ "$status" -eq 1 ] || fail "no sudo, clang $clang: exit status $status, not 1"
    packages=$(sed -n 's/.*apt-get install -y //p' "$work/out")
    [ -n "$packages" ] || fail "no sudo, clang $clang: no install command"
    # shellcheck disable=SC2086 # one word a package
    "$work/bin/apt-get" install -y $packages >/dev/null 2>"$work/out" ||
        fail "no sudo, clang $clang: the command names a package the release lacks"
done

[ "$failures" -eq 0 ]
