#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts Ferrovane.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DFERROVANE_TESTS=OFF \
    -DFERROVANE_BENCH=OFF >/dev/null
cmake --build build/release -j "$(nproc 2>/dev/null || echo 2)"
if [ -x build/release/src/gui/ferrovane ]; then
    exec build/release/src/gui/ferrovane "$@"
fi
exec build/release/src/cli/ferrovane-cli --help
