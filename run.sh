#!/usr/bin/env bash
# Builds the simulator in Release and starts it. Without a display, says so
# and does the main job anyway: the table of values of "État final" at the
# default conditions, and a picture of the main window after it.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)" >/dev/null
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/vedoriruvirivi "$@"
fi
echo "Pas d'écran disponible : voici le tableau de valeurs de « État final » aux conditions par défaut."
build/bin/vedoriruvirivi-cli table
image="$PWD/build/vedoriruvirivi-etat-final.png"
build/bin/vedoriruvirivi-cli snapshot --final -o "$image"
echo "Image de la fenêtre après « État final » : $image"
