#!/usr/bin/env bash
# Builds Zantoria with every test and runs them all on Qt's offscreen platform, then builds and
# runs the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZANT_WERROR=ON >/dev/null
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"

# Root reads and writes any file, so the tests of unreadable files and read-only folders skip
# when run as root. As root, run the test programs labelled "permissions" once more as the
# unprivileged user nobody, from a copy in a folder it can reach.
as_nobody=(setpriv --reuid=65534 --regid=65534 --clear-groups)
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null && "${as_nobody[@]}" true 2>/dev/null; then
    echo "== Tests of unreadable and read-only files, as the user nobody =="
    mapfile -t permission_tests < <(ctest --test-dir build-test -N -L permissions \
        | sed -n 's/^ *Test *#[0-9]*: *//p')
    if [ "${#permission_tests[@]}" -eq 0 ]; then
        echo "no test carries the label permissions" >&2
        exit 1
    fi
    unprivileged=$(mktemp -d)
    trap 'rm -rf "$unprivileged"' EXIT
    mkdir -m 700 "$unprivileged/home" "$unprivileged/runtime"
    for name in "${permission_tests[@]}"; do
        cp "$(find build-test/tests -name "$name" -type f -perm -u+x | head -n 1)" "$unprivileged/"
    done
    chown -R 65534:65534 "$unprivileged"
    chmod 755 "$unprivileged"
    for name in "${permission_tests[@]}"; do
        (cd "$unprivileged" && "${as_nobody[@]}" env HOME="$unprivileged/home" \
            XDG_RUNTIME_DIR="$unprivileged/runtime" LC_ALL=en_US.UTF-8 "./$name")
    done
fi

echo "== The same tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZANT_WERROR=ON \
      -DZANT_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
