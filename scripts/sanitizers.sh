#!/usr/bin/env bash
# The whole suite once more in build-asan, built with AddressSanitizer and
# UndefinedBehaviorSanitizer, then every fuzz target for a short time.
# With clang and its libFuzzer runtime the one build serves both; without
# them the suite runs under g++'s sanitizers and the fuzzing is skipped.
#   scripts/sanitizers.sh [seconds per fuzz target, default 20]
set -euo pipefail
choix=()
cd "$(dirname "$0")/.."
duree=${1:-20}
build=build-asan

fuzz=OFF
compilateur=g++
if command -v clang++ >/dev/null && [ -f "$(clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a)" ]; then
  fuzz=ON
  compilateur=clang++
fi
# A build directory made with the other compiler starts again.
if [ -f $build/CMakeCache.txt ] && ! grep -q "^CMAKE_CXX_COMPILER:.*/$compilateur\$" $build/CMakeCache.txt; then
  rm -rf $build
fi
[ -f $build/CMakeCache.txt ] || choix=(-DCMAKE_CXX_COMPILER=$compilateur)
cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=Release "${choix[@]}" \
  -DVEDO_SANITIZE=ON -DVEDO_FUZZ=$fuzz -DVEDO_BUILD_TESTS=ON >/dev/null
cmake --build $build -j "$(nproc)"

symboliseur=$(command -v llvm-symbolizer || command -v llvm-symbolizer-14 || true)
[ -n "$symboliseur" ] && export ASAN_SYMBOLIZER_PATH=$symboliseur
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:check_initialization_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd $build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")

if [ $fuzz = ON ]; then
  bash scripts/fuzz.sh "$duree" $build
else
  echo "Fuzzing omis : clang++ ou son libFuzzer (paquet libclang-rt-14-dev) est absent."
fi
