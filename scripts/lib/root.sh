# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Clean Debian roots for the checks that need a release or a machine of
# their own (debian.sh, s390x.sh), sourced by them. `root_begin NAME` makes
# the temporary folder ($root_work, the root in $root) and the trap that
# removes it whatever happens; `root_make SUITE [MMDEBSTRAP_ARGS...]` fills
# it from Debian's archive; `root_run COMMAND...` runs inside it with /proc,
# /sys, /dev and a fresh /tmp and /dev/shm mounted in a mount namespace of
# its own, so the mounts end with the command even when it is killed.

root_mirror="${PAROLIX_MIRROR:-http://deb.debian.org/debian}"
root_script="$(basename "$0")"

root_fail() { echo "$root_script: $*" >&2; exit 1; }

root_begin() {
  [ "$(id -u)" -eq 0 ] || root_fail "needs root (it makes and mounts a Debian root)"
  # What the host needs, installed when missing: the roots hold the rest.
  local need=() tool
  for tool in mmdebstrap:mmdebstrap unshare:util-linux curl:curl; do
    command -v "${tool%%:*}" >/dev/null || need+=("${tool#*:}")
  done
  if [ "${#need[@]}" -gt 0 ]; then
    echo "== installing ${need[*]}"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${need[@]}" >/dev/null 2>&1 ||
      root_fail "could not install ${need[*]}"
  fi
  root_work="$(mktemp -d "/tmp/parolix-$1.XXXXXX")"
  root="$root_work/root"
  trap root_end EXIT
  # A child still running (mmdebstrap, the check) is stopped first: bash
  # would wait for it before running any trap.
  trap 'root_stop; exit 130' INT TERM HUP
}

root_child=""
root_stop() { [ -z "$root_child" ] || { kill -TERM "$root_child" 2>/dev/null; wait "$root_child" 2>/dev/null; }; }

# Runs a command in the background and waits for it, so that a signal is
# handled at once.
root_wait() {
  "$@" &
  root_child=$!
  local status=0
  wait "$root_child" || status=$?
  root_child=""
  return "$status"
}

root_end() {
  local status=$?
  set +e # the cleaning goes on whatever fails in it
  # Nothing should be mounted any more; should anything be, it comes down
  # first, and the removal never crosses into another file system.
  findmnt -rn -o TARGET | grep -F "$root_work/" | sort -r | while read -r m; do umount -l "$m"; done
  rm -rf --one-file-system "$root_work"
  [ ! -e "$root_work" ] || echo "$root_script: could not remove $root_work" >&2
  exit "$status"
}

root_make() { # suite, mmdebstrap arguments...
  local suite="$1"; shift
  curl -fsS -o /dev/null --max-time 30 "$root_mirror/dists/$suite/InRelease" 2>/dev/null ||
    root_fail "Debian $suite cannot be reached at $root_mirror"
  root_wait mmdebstrap --quiet --variant=apt "$@" "$suite" "$root" "$root_mirror" >"$root_work/mmdebstrap.log" 2>&1 || {
    tail -n 20 "$root_work/mmdebstrap.log" >&2
    root_fail "mmdebstrap could not make the Debian $suite root"
  }
  cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
}

# The committed HEAD of this checkout, as a clone in /root/parolix.
root_clone() { git clone --quiet --no-hardlinks "$1" "$root/root/parolix"; }

root_run() { # command...
  root_wait unshare --mount --propagation private bash -euc '
    r=$1; shift
    mount -t proc proc "$r/proc"
    mount --rbind /sys "$r/sys"
    mount --make-rslave "$r/sys"
    mount -t tmpfs -o mode=755 dev "$r/dev"
    for d in null zero full random urandom tty; do
      touch "$r/dev/$d"
      mount --bind "/dev/$d" "$r/dev/$d"
    done
    mkdir -p "$r/dev/pts" "$r/dev/shm"
    mount -t devpts -o newinstance,ptmxmode=0666 devpts "$r/dev/pts"
    ln -s pts/ptmx "$r/dev/ptmx"
    ln -s /proc/self/fd "$r/dev/fd"
    mount -t tmpfs -o mode=1777 shm "$r/dev/shm"
    mount -t tmpfs -o mode=1777 tmp "$r/tmp"
    exec chroot "$r" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
      PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin:/usr/games "$@"
  ' _ "$root" "$@"
}
