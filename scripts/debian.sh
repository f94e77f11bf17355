#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Checks Parolix on a clean Debian release, as a newcomer there would:
#   debian.sh 12|13
# makes a bare root of Debian 12 (bookworm) or 13 (trixie) with mmdebstrap
# from Debian's archive, clones this checkout's committed HEAD into it, runs
# the test command there as root, builds the Debian package there, installs
# it and starts `parolix --version`. Needs root, mmdebstrap and the network;
# the root, its mounts and every temporary folder go when the script ends,
# also when it fails. $PAROLIX_MIRROR names another Debian mirror.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
. "$here/scripts/lib/root.sh"

case "${1:-}" in
  12) suite=bookworm ;;
  13) suite=trixie ;;
  *) echo "usage: debian.sh 12|13" >&2; exit 2 ;;
esac
root_begin "debian-$suite"
start=$(date +%s)
echo "== making a clean Debian $1 ($suite) root"
root_make "$suite" --include=git,ca-certificates
root_clone "$here"
made=$(date +%s)

# Inside: the README's test command, then the package as the README builds
# it, checked with lintian, installed with apt-get, and asked its version.
cat >"$root/root/check.sh" <<'INSIDE'
#!/bin/bash
set -euo pipefail
cd /root/parolix
. /etc/os-release
echo "== $PRETTY_NAME: scripts/test.sh"
t0=$(date +%s)
scripts/test.sh
t1=$(date +%s)
echo "== the test command passed in $((t1 - t0)) s"
cd build
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log; exit 1; }
deb=$(ls parolix_*.deb)
lintian --fail-on error,warning "$deb"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
echo "== $deb built, lintian clean, installed; parolix --version says:"
parolix --version
echo "== package in $(($(date +%s) - t1)) s"
INSIDE
chmod +x "$root/root/check.sh"
root_run /root/check.sh || root_fail "the check failed inside Debian $1 ($suite)"
end=$(date +%s)
echo "== Debian $1 ($suite): all passed; the root made in $((made - start)) s, the whole check in $((end - start)) s"
