#!/usr/bin/env bash
# Builds every library, test and benchmark, then runs the whole suite headless; then the
# core built to WebAssembly with its tests under node; then the same suite
# under the sanitizers and a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/install-deps.sh test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVEDO_BUILD_TESTS=ON -DVEDO_BUILD_BENCH=ON >/dev/null
cmake --build build -j "$(nproc)"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
bash scripts/wasm.sh build
# The real program on a real desktop: X server, window manager, print queue.
bash tests/desktop/session.sh build/bin
bash scripts/sanitizers.sh 20
