#!/usr/bin/env bash
# Builds Zantoria with every test and runs them all on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
jobs=$(nproc)
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZANT_WERROR=ON >/dev/null
cmake --build build-test -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-test --output-on-failure -j "$jobs"
