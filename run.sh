#!/usr/bin/env bash
# Builds the simulator and the command-line tool in Release, in build-run
# with nothing else (no tests), and starts the simulator. Without a display,
# says so and does the main job anyway: the table of values of "État final"
# at the default conditions, and a picture of the main window after it.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/install-deps.sh run
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=Release -DVEDO_BUILD_TESTS=OFF -DVEDO_BUILD_BENCH=OFF \
  -DVEDO_FUZZ=OFF -DVEDO_SANITIZE=OFF >/dev/null
cmake --build build-run -j "$(nproc)" >/dev/null
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build-run/bin/vedoriruvirivi "$@"
fi
echo "Pas d'écran disponible : voici le tableau de valeurs de « État final » aux conditions par défaut."
build-run/bin/vedoriruvirivi-cli table
image="$PWD/build-run/vedoriruvirivi-etat-final.png"
build-run/bin/vedoriruvirivi-cli snapshot --final -o "$image"
echo "Image de la fenêtre après « État final » : $image"
