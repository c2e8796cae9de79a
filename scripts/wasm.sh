#!/usr/bin/env bash
# Builds the core and its tests with emscripten in build-wasm/ and runs them
# under node, with the comparison of the same runs printed natively and under
# node. The native side comes from the build given (default build/, built
# by ./test.sh), else from a core-only native build in build-coeur/.
#   scripts/wasm.sh [native build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
natif=${1:-build}
if [ ! -f "$natif/build.ninja" ]; then
  natif=build-coeur
  cmake -S . -B $natif -G Ninja -DCMAKE_BUILD_TYPE=Release -DVEDO_BUILD_TESTS=ON -DVEDO_COEUR_SEUL=ON >/dev/null
fi
cmake --build "$natif" --target releve_runs
emcmake cmake -S . -B build-wasm -G Ninja -DCMAKE_BUILD_TYPE=Release -DVEDO_BUILD_TESTS=ON \
  -DVEDO_RELEVE_NATIF="$PWD/$natif/bin/releve_runs" >/dev/null
cmake --build build-wasm -j "$(nproc)"
(cd build-wasm && ctest --output-on-failure -j "$(nproc)")
