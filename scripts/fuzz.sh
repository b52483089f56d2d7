#!/usr/bin/env bash
# Fuzzes the design list reader under AddressSanitizer for a bounded time, seeded with the
# program's own lists. Fails on a crash, a leak or a sanitizer report.
# FUZZ_SECONDS (default 60) and BUILD_DIR (default build-fuzz) may be given in the environment.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build="${BUILD_DIR:-build-fuzz}"
seconds="${FUZZ_SECONDS:-60}"
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESVAN_FUZZ=ON \
    >/dev/null
cmake --build "$build" -j "$(nproc)" --target design_list_fuzzer design_list_corpus
corpus="$build/fuzz-corpus"
seeds="$build/fuzz-seeds"
rm -rf "$seeds"
QT_QPA_PLATFORM=offscreen "$build/tests/design_list_corpus" "$seeds"
mkdir -p "$corpus" "$build/fuzz-artifacts"
# New inputs go to the working corpus; the seeds stay as written.
# The fuzzer's running commentary goes to a log; a failure shows its end.
log="$build/fuzz.log"
if ! "$build/tests/design_list_fuzzer" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/" \
    "$corpus" "$seeds" >"$log" 2>&1; then
    tail -n 60 "$log"
    exit 1
fi
grep -E '^Done [0-9]+ runs' "$log"
