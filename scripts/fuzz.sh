#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer) in
# build-fuzz beside this folder's build trees and runs each for a while; fails when one crashes.
# Usage: scripts/fuzz.sh [seconds per target, default 60]
# Not part of the test run. Crashing inputs are kept in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/install-deps.sh test

build="${ZANT_FUZZ_BUILD:-build-fuzz}"
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=OFF -DZANT_FUZZ=ON -DZANT_SANITIZE=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" >/dev/null
cmake --build "$build" -j 2 --target fuzz_import fuzz_value fuzz_lines

# The corpora grow in the build tree; the committed seeds and the example deal files start them.
mkdir -p "$build/artifacts"
for target in import value lines; do
    mkdir -p "$build/corpus/$target"
done
cp examples/*.zant "$build/corpus/import/"
cp examples/*.zant "$build/corpus/lines/"
grep -h ' = ' examples/*.zant | sed 's/^[^=]*= //' | while IFS= read -r value; do
    printf '%s' "$value" >"$build/corpus/value/example-$(printf '%s' "$value" | md5sum | cut -c1-12)"
done

# The import target saves a file on every run; on tmpfs its sync costs nothing.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
failed=()
run() {
    local target=$1 max_len=$2
    echo "== fuzz_$target for ${seconds}s"
    if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
            -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
            "$build/corpus/$target" "fuzz/corpus/$target" 2>"$build/fuzz_$target.log"; then
        failed+=("$target")
        tail -n 40 "$build/fuzz_$target.log"
    fi
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^Done ' "$build/fuzz_$target.log" || true
}
run import 16384
run value 256
run lines 8192

if [ ${#failed[@]} -ne 0 ]; then
    echo "Crashes in: ${failed[*]} (inputs in $build/artifacts/)" >&2
    exit 1
fi
echo "No crashes."
