#!/usr/bin/env bash
# Builds the simulator in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)"
if [ -x build/bin/vedoriruvirivi ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec build/bin/vedoriruvirivi "$@"
fi
echo "Pas d'écran disponible : tableau de valeurs de « État final » aux conditions par défaut."
exec build/bin/vedoriruvirivi-cli table
