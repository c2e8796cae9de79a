#!/usr/bin/env bash
# Builds and tests the project from a clean clone in a fresh Debian 12 root
# with the README's test command alone, so that a missing install step shows
# here before it shows to a user. Needs root, debootstrap and the network to
# Debian's archive; takes a good many minutes, so it is not part of ./test.sh.
#   scripts/fresh-machine.sh [root folder] [branch]
# The root folder (default /var/tmp/vedo-debian12) is made anew each time.
set -euo pipefail
depot=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
racine=${1:-/var/tmp/vedo-debian12}
branche=${2:-$(git -C "$depot" rev-parse --abbrev-ref HEAD)}
miroir=${MIROIR_DEBIAN:-http://deb.debian.org/debian}

if [ "$(id -u)" -ne 0 ]; then
  echo "Il faut être root (debootstrap et chroot)." >&2
  exit 1
fi
command -v debootstrap >/dev/null || apt-get install -y -qq --no-install-recommends debootstrap

montages=(proc sys dev dev/pts)
demonter() {
  for ((i = ${#montages[@]} - 1; i >= 0; i--)); do
    mountpoint -q "$racine/${montages[i]}" && umount -l "$racine/${montages[i]}"
  done
  return 0
}
# Never delete through a mount that is still there.
demonter
if findmnt -rn -o TARGET | grep -q "^$racine/"; then
  echo "Des montages restent sous $racine : abandon." >&2
  exit 1
fi
rm -rf "$racine"
mkdir -p "$racine"
trap demonter EXIT

debut=$(date +%s)
echo "debootstrap bookworm dans $racine"
debootstrap --variant=minbase bookworm "$racine" "$miroir" >"$racine.debootstrap.log" 2>&1 ||
  { echo "debootstrap a échoué, voir $racine.debootstrap.log" >&2; exit 1; }
mount -t proc proc "$racine/proc"
mount -t sysfs sys "$racine/sys"
mount --bind /dev "$racine/dev"
mount --bind /dev/pts "$racine/dev/pts"
cp /etc/resolv.conf "$racine/etc/resolv.conf"

git clone -q --branch "$branche" "$depot" "$racine/root/vedoriruvirivi"
echo "Clone de la branche $branche ($(git -C "$racine/root/vedoriruvirivi" rev-parse --short HEAD)), ./test.sh dans la racine neuve"
statut=0
chroot "$racine" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
  bash -c 'cd /root/vedoriruvirivi && ./test.sh' >"$racine.test.log" 2>&1 || statut=$?
echo "./test.sh : statut $statut en $(($(date +%s) - debut)) s (debootstrap compris), journal $racine.test.log"
tail -n 30 "$racine.test.log"
exit $statut
