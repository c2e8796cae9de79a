#!/usr/bin/env bash
# Installs, from Debian's archive, what building and testing need. Run as root
# on Debian 12; does nothing when everything is already there.
set -euo pipefail
# clang, its sanitizer and libFuzzer runtimes (libclang-rt-14-dev) and the
# symbolizer of llvm-14 serve the sanitizer and fuzzing pass of ./test.sh.
# dpkg-dev gives the Debian package its library dependencies.
paquets=(qt6-base-dev cmake ninja-build g++ fonts-liberation2 ccache clang libclang-rt-14-dev llvm-14 dpkg-dev)
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
