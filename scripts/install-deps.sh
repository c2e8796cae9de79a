#!/usr/bin/env bash
# Installs, from Debian's archive, what building needs. Run as root on
# Debian 12; does nothing when everything is already there.
#   scripts/install-deps.sh run    what ./run.sh builds and runs (the default)
#   scripts/install-deps.sh test   that and what the tests of ./test.sh add
set -euo pipefail
ensemble=${1:-run}
# The simulator and the command-line tool, and the fonts of their pictures;
# Qt's SVG module writes the graph as a vector drawing; Qt's French
# translation gives its dialogs and standard buttons French texts; the xcb headers let
# the main window ask the window manager for its frame before it is first
# shown.
paquets=(qt6-base-dev qt6-svg-dev qt6-translations-l10n cmake ninja-build g++ fonts-liberation2 libxcb1-dev)
case "$ensemble" in
  run) ;;
  test)
    # ccache shortens the rebuilds. clang, its sanitizer and libFuzzer
    # runtimes (libclang-rt-14-dev) and the symbolizer of llvm-14 serve the
    # sanitizer and fuzzing pass. dpkg-dev gives the Debian package its
    # library dependencies.
    paquets+=(ccache clang libclang-rt-14-dev llvm-14 dpkg-dev)
    # The real-desktop tests (tests/desktop): an X server, a window manager,
    # the tools that drive and watch them, a print server with a PDF queue,
    # pdfinfo, Python.
    paquets+=(xvfb openbox xdotool xclip x11-utils imagemagick cups printer-driver-cups-pdf poppler-utils python3)
    # What a screen reader sees of the program: a session bus, the bus and
    # registry of assistive technologies, and a client of theirs for Python.
    paquets+=(dbus-daemon at-spi2-core python3-pyatspi)
    # The core built to WebAssembly (scripts/wasm.sh), its tests run by node.
    paquets+=(emscripten nodejs)
    # The benchmarks are built with the tests, so that they keep building.
    paquets+=(libbenchmark-dev)
    ;;
  *)
    echo "Ensemble inconnu : $ensemble (run ou test)" >&2
    exit 2
    ;;
esac
manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
if [ ${#manquants[@]} -gt 0 ]; then
  echo "Installation de : ${manquants[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${manquants[@]}" >/dev/null
fi
