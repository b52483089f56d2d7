#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing: as root
# directly, otherwise through sudo. Without either it names them and stops.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev libgtest-dev fonts-liberation locales poppler-utils
    libbenchmark-dev clang libclang-rt-14-dev xvfb xauth xdotool)
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
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
