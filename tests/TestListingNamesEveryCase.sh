#!/usr/bin/env bash
# Fails when a test binary lists a parameterised case by its raw bytes ("112-byte object <...>"),
# which happens when its parameter type has no printer.
set -euo pipefail
status=0
for binary in "$@"; do
    if "$binary" --gtest_list_tests | grep -E -- '-byte object <'; then
        echo "$(basename "$binary"): a parameter type has no PrintTo" >&2
        status=1
    fi
done
exit $status
