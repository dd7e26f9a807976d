#!/usr/bin/env bash
# Tries the README's two commands as a new user would: in a minimal Debian 12
# root made by mmdebstrap, with only git and ca-certificates, into which this
# commit is cloned. Not run by the tests (it needs root and takes a while);
# run it after changing what the scripts install.
# Usage: sudo scripts/fresh-debian.sh ROOT [STAGE...]
#   ROOT    a folder to make the root in, or one made by an earlier run
#   STAGE   the test stages to run (all of them by default)
# Each command's output goes to ROOT.run.log and ROOT.test.log.
set -euo pipefail
cd "$(dirname "$0")/.."
root=${1:?usage: scripts/fresh-debian.sh ROOT [STAGE...]}
shift
command -v mmdebstrap >/dev/null || apt-get install -y -qq mmdebstrap
if [ ! -d "$root/etc" ]; then
    mmdebstrap --variant=apt --include=git,ca-certificates bookworm "$root" \
        "deb http://deb.debian.org/debian bookworm main" \
        "deb http://deb.debian.org/debian bookworm-updates main" \
        "deb http://deb.debian.org/debian-security bookworm-security main"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
# Every installed system names localhost in /etc/hosts, where the browser
# tests reach their driver; a root made by mmdebstrap has no such file.
[ -f "$root/etc/hosts" ] || printf '127.0.0.1\tlocalhost\n::1\t\tlocalhost ip6-localhost\n' >"$root/etc/hosts"
for fs in proc sys dev dev/pts dev/shm; do
    mountpoint -q "$root/$fs" || mount --bind "/$fs" "$root/$fs"
done
trap 'for fs in dev/shm dev/pts dev sys proc; do umount -l "$root/$fs" 2>/dev/null || true; done' EXIT
rm -rf "$root/root/quintora"
git clone -q "$PWD" "$root/root/quintora"

inside() { chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin TERM=dumb "$@"; }

# The run command: the window stays open until it is ended (no display here,
# so Qt draws offscreen).
status=0
inside bash -c 'cd /root/quintora && QT_QPA_PLATFORM=offscreen timeout 120 bash scripts/run.sh' \
    >"$root.run.log" 2>&1 || status=$?
[ "$status" -eq 124 ] && echo "run: the window came up and stayed open" || { echo "run: exit $status"; tail -20 "$root.run.log"; }

status=0
inside bash -c "cd /root/quintora && CI=true bash scripts/test.sh $*" >"$root.test.log" 2>&1 || status=$?
grep -E '^(== |passed:|[0-9]+% tests passed|.*: [0-9]+ runs, no crash|the package installs)' "$root.test.log" || true
echo "test: exit $status"
exit "$status"
