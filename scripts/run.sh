#!/usr/bin/env bash
# Builds Zantoria and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build --target zantoria zantoria-report
exec build/app/zantoria "$@"
