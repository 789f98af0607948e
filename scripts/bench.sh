#!/usr/bin/env bash
# Builds the benchmarks in Release (build-bench) and runs them: figures, the report, the import
# (medians of repeated Google Benchmark runs) and the start-up against a minimal Qt dialog.
# Usage: scripts/bench.sh [repetitions, default 5]
set -euo pipefail
cd "$(dirname "$0")/.."
repetitions="${1:-5}"
scripts/install-deps.sh test

build="${ZANT_BENCH_BUILD:-build-bench}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZANT_BENCH=ON >/dev/null
cmake --build "$build" -j 2 --target zant_bench bench_startup zantoria-report

echo "== $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p'), $(date -u '+%Y-%m-%d %H:%M UTC')"
LC_ALL=en_US.UTF-8 "$build/bench/zant_bench" --benchmark_repetitions="$repetitions" \
    --benchmark_report_aggregates_only=true \
    --benchmark_min_time=0.2 2>&1 | grep -E '^(Benchmark|-{10}|.*_median)'
echo "== start-up, $repetitions repetitions of 40 runs each"
LC_ALL=en_US.UTF-8 "$build/bench/bench_startup" 40 "$repetitions"
echo "== zantoria-report over 10,000 deal files"
bench/bench_cli.sh "$build" 10000
