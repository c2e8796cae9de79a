#!/usr/bin/env bash
# Installs, from Debian's archive, what building and testing need. Run as root
# on Debian 12; does nothing when everything is already there.
set -euo pipefail
# clang, its sanitizer and libFuzzer runtimes (libclang-rt-14-dev) and the
# symbolizer of llvm-14 serve the sanitizer and fuzzing pass of ./test.sh.
# dpkg-dev gives the Debian package its library dependencies.
paquets=(qt6-base-dev cmake ninja-build g++ fonts-liberation2 ccache clang libclang-rt-14-dev llvm-14 dpkg-dev)
# The real-desktop tests (tests/desktop): an X server, a window manager, the
# tools that drive and watch them, a print server with a PDF queue, pdfinfo,
# Python; the xcb headers let the main window ask the window manager for its
# frame before it is first shown.
paquets+=(xvfb openbox xdotool xclip x11-utils imagemagick cups printer-driver-cups-pdf poppler-utils python3
  libxcb1-dev)
# What a screen reader sees of the program: a session bus, the bus and registry
# of assistive technologies, and a client of theirs for Python.
paquets+=(dbus-daemon at-spi2-core python3-pyatspi)
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
