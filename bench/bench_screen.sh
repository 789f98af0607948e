#!/usr/bin/env bash
# Screening a market: zantoria-report over many generated deal files (each held 30 years), as CSV,
# JSON without and with the years, and JSONL, with one job and with every processor, beside a
# Release build of an earlier commit on the same files and cat of them. For each run: CPU seconds
# (user + system), wall seconds, peak memory and the output's size; then whether one job and every
# processor wrote the same bytes, and how many figures of the columns both builds write differ.
# Usage: bench/bench_screen.sh [BASELINE, default 0ff6052; none for no baseline]
#                              [COUNTS, default "10000 100000"] [RUNS, default 3]
# Each command runs RUNS times at the first count (once at the others) and the run that took the
# least CPU is shown: the machine's neighbours slow single runs by up to a third, never speed
# them up.
# The baseline is measured at the first count only (its indented JSON of 100,000 files would fill
# gigabytes). The files are named by their numbers alone, so that 100,000 of them fit on one
# command line.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
baseline=${1:-0ff6052}
read -r -a counts <<< "${2:-10000 100000}"
runs=${3:-3}
work=$(mktemp -d)
trap 'git -C "$root" worktree remove --force "$work/baseline-src" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
export HOME=$work
export XDG_CONFIG_HOME=$HOME/.config

release() {
    cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$2" --target zantoria-report >/dev/null
}
release "$root" "${ZANT_BENCH_BUILD:-$root/build-bench}"
new=$(realpath "${ZANT_BENCH_BUILD:-$root/build-bench}/app/zantoria-report")
if [ "$baseline" != none ]; then
    git -C "$root" worktree add --detach "$work/baseline-src" "$baseline" >/dev/null 2>&1
    release "$work/baseline-src" "$work/baseline-build"
    old=$work/baseline-build/app/zantoria-report
fi

cores=$(nproc)
echo "== $cores processors ($(lscpu | sed -n 's/^Model name: *//p')), $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "== this tree ($(git -C "$root" rev-parse --short HEAD)) against $baseline"

# Deals that differ in every figure, from the five-loan example, held 30 years.
generate() {
    rm -rf "$work/deals"
    "$root/bench/generate-deals.sh" "$work/deals" "$1" "%d" "HoldYears = 30"
}

# A command run $repeat times: its label, then the command; prints CPU s, wall s, peak MB and
# output MB of the run that took the least CPU.
measure() {
    local label=$1 out=$work/out.$2 best="" run
    shift 2
    for ((run = 0; run < repeat; ++run)); do
        # The output of the run before (a gigabyte of JSON) is written back to the disk first,
        # so that its writing back does not share the processors with this run.
        rm -f "$out"
        sync
        /usr/bin/time -f '%U %S %e %M' -o "$work/time" "$@" > "$out" || { echo "failed: $*" >&2; exit 1; }
        best=$(awk -v best="$best" '{ cpu = $1 + $2 } END {
            split(best, b, " "); if (best == "" || cpu < b[1]) print cpu, $3, $4; else print best }' "$work/time")
    done
    read -r cpu wall peak <<< "$best"
    awk -v l="$label" -v c="$cpu" -v w="$wall" -v p="$peak" -v b="$(stat -c %s "$out")" \
        'BEGIN { printf "%-44s cpu %7.2f s  wall %7.2f s  peak %7.1f MB  output %8.1f MB\n", l, c, w, p / 1024, b / 1048576 }'
}

for count in "${counts[@]}"; do
    generate "$count"
    cd "$work/deals"
    cat -- [0-9]* > /dev/null # into the page cache
    repeat=1
    [ "$count" = "${counts[0]}" ] && repeat=$runs
    echo "== $count files ($repeat runs each, the one of least CPU shown)"
    measure "cat" cat cat -- [0-9]*
    if [ "$count" = "${counts[0]}" ] && [ "$baseline" != none ]; then
        measure "$baseline --format=csv" old.csv env LC_ALL=en_US.UTF-8 "$old" --format=csv [0-9]*
        measure "$baseline --format=json" old.json env LC_ALL=en_US.UTF-8 "$old" --format=json [0-9]*
    fi
    for jobs in 1 "$cores"; do
        measure "--format=csv --jobs $jobs" "csv.$jobs" env LC_ALL=en_US.UTF-8 "$new" --format=csv --jobs "$jobs" [0-9]*
        measure "--format=json --jobs $jobs" "json.$jobs" env LC_ALL=en_US.UTF-8 "$new" --format=json --jobs "$jobs" [0-9]*
        measure "--format=json --yearly --jobs $jobs" "yearly.$jobs" env LC_ALL=en_US.UTF-8 "$new" --format=json --yearly --jobs "$jobs" [0-9]*
        measure "--format=jsonl --jobs $jobs" "jsonl.$jobs" env LC_ALL=en_US.UTF-8 "$new" --format=jsonl --jobs "$jobs" [0-9]*
    done
    for format in csv json yearly jsonl; do
        if cmp -s "$work/out.$format.1" "$work/out.$format.$cores"; then
            echo "$format: --jobs 1 and --jobs $cores wrote the same bytes"
        else
            echo "$format: --jobs 1 and --jobs $cores DIFFER"
        fi
    done
    if [ "$count" = "${counts[0]}" ] && [ "$baseline" != none ]; then
        python3 "$root/bench/compare_outputs.py" "$work/out.old.csv" "$work/out.csv.1" "$work/out.old.json" "$work/out.yearly.1"
    fi
    cd "$root"
done
