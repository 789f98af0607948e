#!/usr/bin/env bash
# Builds the Debian package of Zantoria (Release, without tests) into build-deb/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-deb
(cd build-deb && cpack -G DEB)
ls build-deb/*.deb
