#!/usr/bin/env bash
# Runs the real-desktop tests against the programs of a build's bin/ folder:
# an X server with a window manager on a free display, a session bus and a
# print server of our own with a PDF queue, all stopped when the tests end,
# whatever happens.
# Usage: tests/desktop/session.sh BUILD/bin [unittest arguments...]
set -euo pipefail
ici=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:?dossier bin/ de la compilation}" && pwd)
shift
[ -x "$bin/vedoriruvirivi" ] || { echo "ÉCHEC : $bin/vedoriruvirivi introuvable" >&2; exit 1; }

travail=$(mktemp -d /tmp/vedo-bureau.XXXXXX)
chmod 755 "$travail"
file="VedoPDF$$"
# cups-pdf reads its settings for a queue only from /etc/cups.
reglages_pdf="/etc/cups/cups-pdf-$file.conf"
processus=()
arreter() {
  local p
  for p in "${processus[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${processus[@]}"; do wait "$p" 2>/dev/null || true; done
  rm -f "$reglages_pdf"
  rm -rf "$travail"
}
trap arreter EXIT
trap 'exit 1' INT TERM

echec() {
  echo "ÉCHEC du bureau de test : $*" >&2
  for journal in "$travail"/*.log "$travail"/cups/log/error_log; do
    [ -s "$journal" ] && { echo "--- $journal" >&2; tail -n 20 "$journal" >&2; }
  done
  exit 1
}

attendre() { # attendre SECONDES COMMANDE...: until the command succeeds
  local fin=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$fin" ] || return 1
    sleep 0.1
  done
}

serveur_x() { # serveur_x NOM: an X server on a free display, whose name it prints
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$travail/$1" 2>"$travail/$1.log" &
  processus+=($!)
  attendre 15 grep -q . "$travail/$1" || echec "le serveur X ne démarre pas"
  attendre 15 xdpyinfo -display ":$(head -n 1 "$travail/$1")" || echec "le serveur X ne répond pas"
}
serveur_x ecran
export DISPLAY=":$(head -n 1 "$travail/ecran")"
# A second one that no window manager looks after.
serveur_x ecran-nu
export VEDO_ECRAN_NU=":$(head -n 1 "$travail/ecran-nu")"

export HOME="$travail/maison" XDG_RUNTIME_DIR="$travail/run"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
openbox --sm-disable >"$travail/openbox.log" 2>&1 &
processus+=($!)
attendre 15 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
  echec "le gestionnaire de fenêtres ne démarre pas"

# A session bus of our own, on which the bus of assistive technologies starts
# when a program or a screen reader first asks for it.
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$travail/bus" 2>"$travail/dbus.log" &
processus+=($!)
attendre 15 grep -q . "$travail/bus" || echec "le bus de session ne démarre pas"
export DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$travail/bus")"

# The print server runs as the spool user lp, which must reach its folders.
cups="$travail/cups"
mkdir -p "$cups"/{log,cache,state,spool,pdf-spool} "$travail/pdf"
install -d -m 1777 "$cups/tmp"
chgrp -R lp "$cups"
cat >"$cups/cupsd.conf" <<EOF
Listen $cups/cups.sock
LogLevel info
WebInterface No
Browsing No
DefaultPolicy default
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat >"$cups/cups-files.conf" <<EOF
ServerRoot $cups
RequestRoot $cups/spool
CacheDir $cups/cache
StateDir $cups/state
TempDir $cups/tmp
ErrorLog $cups/log/error_log
AccessLog $cups/log/access_log
PageLog $cups/log/page_log
Printcap $cups/printcap
User lp
Group lp
SystemGroup root
EOF
cat >"$reglages_pdf" <<EOF
Out $travail/pdf
AnonDirName $travail/pdf
Spool $cups/pdf-spool
Log $cups/log
EOF
/usr/sbin/cupsd -f -c "$cups/cupsd.conf" -s "$cups/cups-files.conf" >"$travail/cupsd.log" 2>&1 &
processus+=($!)
export CUPS_SERVER="$cups/cups.sock"
attendre 15 lpstat -r || echec "le serveur d'impression ne démarre pas"
attendre 15 lpadmin -p "$file" -E -v "cups-pdf:/$file" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd &&
  lpadmin -d "$file" || echec "la file PDF ne se crée pas"

export VEDO_BIN="$bin" VEDO_FILE_PDF="$file" VEDO_SORTIE_PDF="$travail/pdf"
# The copies of the program folder go where the end of the session removes them.
export TMPDIR="$travail/tmp"
mkdir "$TMPDIR"
cd "$ici"
# In the background, so that a signal to this script stops everything at once.
/usr/bin/python3 -m unittest "${@:-discover}" -v &
processus+=($!)
wait $!
