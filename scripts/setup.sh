#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing: as root
# directly, otherwise through sudo. Without either it names them and stops. apt's own output
# goes to a log file that it names; when the installation fails it shows the log's end.
# Made for Debian 12 and 13. No name carries a version: libclang-rt-dev is the sanitizer and
# fuzzer runtime of the release's own clang, whatever its major version.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev libgtest-dev fonts-liberation locales poppler-utils
    libbenchmark-dev clang libclang-rt-dev xvfb xauth xdotool qt6-wayland
    openbox wmctrl x11-xserver-utils x11-utils weston)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -gt 0 ] || exit 0
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        {
            echo "These packages are missing: ${missing[*]}"
            echo "Install them as root with: apt-get update && apt-get install -y ${missing[*]}"
        } >&2
        exit 1
    fi
    sudo_cmd=(sudo)
fi
# A fresh name each run: a log left in /tmp by another user could not be written over.
log=$(mktemp "${TMPDIR:-/tmp}/tesvan-setup.XXXXXX.log")
echo "Installing the missing packages with what they depend on: ${missing[*]}"
echo "apt's output goes to $log"
# Nothing may ask a question, as nobody sees the output: env carries the setting through sudo,
# which drops the caller's environment, and dpkg keeps a changed configuration file as it is.
status=0
{
    "${sudo_cmd[@]}" apt-get update &&
        "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y \
            -o Dpkg::Options::=--force-confdef -o Dpkg::Options::=--force-confold \
            "${missing[@]}"
} >"$log" 2>&1 </dev/null || status=$?
if [ "$status" -ne 0 ]; then
    {
        echo "The installation failed (status $status). The end of $log:"
        tail -n 15 "$log" | sed 's/^/    /'
    } >&2
    exit "$status"
fi
echo "The packages are installed."
