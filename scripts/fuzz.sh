#!/usr/bin/env bash
# Runs every libFuzzer target of a sanitizer build for a given time, two at a
# time, from its seed corpus (tests/fuzz/corpus/<name>) plus what earlier runs
# found (<build>/fuzz/corpus/<name>). A crash, a leak, a sanitizer report, an
# input slower than 10 s (or than the limit in tests/fuzz/<name>.options) or
# an allocation above 512 MB fails the run; the input that did it lands in
# <build>/fuzz/artefacts/.
#   scripts/fuzz.sh [seconds per target] [build directory] [target...]
set -uo pipefail
cd "$(dirname "$0")/.."
duree=${1:-60}
build=${2:-build-asan}
shift $(($# < 2 ? $# : 2))
cibles=("$@")
if [ ${#cibles[@]} -eq 0 ]; then
  for f in "$build"/bin/fuzz_*; do [ -x "$f" ] && cibles+=("$(basename "$f" | sed 's/^fuzz_//')"); done
fi
if [ ${#cibles[@]} -eq 0 ]; then
  echo "Aucune cible de fuzzing dans $build/bin (construire avec -DVEDO_FUZZ=ON)" >&2
  exit 1
fi
racine=$PWD
mkdir -p "$build/fuzz/artefacts" "$build/fuzz/journaux"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/fuzz/lsan.supp:${LSAN_OPTIONS:-}"
export QT_QPA_PLATFORM=offscreen

lancer() {
  local nom=$1
  local travail="$build/fuzz/corpus/$nom" journal="$build/fuzz/journaux/$nom.log"
  local options=(-max_total_time="$duree" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512
                 -print_final_stats=1 -artifact_prefix="$build/fuzz/artefacts/$nom-")
  [ -f "tests/fuzz/$nom.dict" ] && options+=(-dict="tests/fuzz/$nom.dict")
  # The target's own options come last and win.
  local propres=()
  [ -f "tests/fuzz/$nom.options" ] && read -ra propres < "tests/fuzz/$nom.options" && options+=("${propres[@]}")
  mkdir -p "$travail"
  "$build/bin/fuzz_$nom" "${options[@]}" "$travail" "tests/fuzz/corpus/$nom" >"$journal" 2>&1
  local statut=$?
  local executions
  executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$journal" | grep -o '[0-9]*$')
  if [ $statut -eq 0 ]; then
    echo "fuzz_$nom : ${executions:-?} exécutions en $duree s, aucun défaut"
  else
    echo "fuzz_$nom : ÉCHEC (statut $statut), voir $journal"
    grep -m3 -E 'ERROR|runtime error|SUMMARY' "$journal"
  fi
  return $statut
}

echecs=0
actifs=0
for nom in "${cibles[@]}"; do
  lancer "$nom" &
  actifs=$((actifs + 1))
  if [ $actifs -ge 2 ]; then
    wait -n || echecs=$((echecs + 1))
    actifs=$((actifs - 1))
  fi
done
while [ $actifs -gt 0 ]; do
  wait -n || echecs=$((echecs + 1))
  actifs=$((actifs - 1))
done
exit $((echecs > 0))
