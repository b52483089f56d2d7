#!/usr/bin/env bash
# Builds in Release and measures painting and start-up against their targets.
# Extra arguments go to the benchmark (e.g. --benchmark_filter=Paint).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build="${BUILD_DIR:-build-bench}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j 4 --target tesvan_bench
exec "$build/bench/tesvan_bench" "$@"
