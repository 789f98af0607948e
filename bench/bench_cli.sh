#!/usr/bin/env bash
# zantoria-report over many generated deal files in one run, against cat of the same files.
# Usage: bench/bench_cli.sh BUILD_DIR [files, default 10000]
set -euo pipefail
build=$1
count=${2:-10000}
report=$(realpath "$build/app/zantoria-report")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work
export XDG_CONFIG_HOME=$HOME/.config

# Deals that differ in every figure, from the five-loan example.
"$(dirname "$0")/generate-deals.sh" "$work/deals" "$count"

# Nanoseconds that a command takes, its output thrown away.
nanoseconds() {
    local start end
    start=$(date +%s%N)
    "$@" > /dev/null || { echo "failed: $*" >&2; exit 1; }
    end=$(date +%s%N)
    echo $((end - start))
}
cd "$work/deals"
cat ./*.zant > /dev/null # into the page cache
catTime=$(nanoseconds cat ./*.zant)
# Each run projects every loan over the holding period with its bear and bull scenarios and
# searches its price to offer; the last one over thirty years.
for run in "csv" "json" "json --assume HoldYears=30"; do
    read -r format assume <<< "$run"
    # shellcheck disable=SC2086 # the options are meant to split
    t=$(nanoseconds env LC_ALL=en_US.UTF-8 "$report" --format=$format $assume ./*.zant)
    awk -v n="$count" -v f="$run" -v t="$t" -v c="$catTime" \
        'BEGIN { printf "%d files, --format=%s: %.2f s; cat: %.3f s; ratio %.0f\n", n, f, t / 1e9, c / 1e9, t / c }'
done
