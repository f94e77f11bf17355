#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Makes the release of the committed HEAD:
#   release.sh [--windows] [FOLDER]      (default: release/ in the checkout)
# writes parolix-VERSION.tar.xz (the tracked files of HEAD, which are what
# the build and the tests need, licences included), the Debian package for
# the release this machine runs, built from that tarball alone, and
# SHA256SUMS. Every time in them is the commit's (SOURCE_DATE_EPOCH), the
# archives' members are sorted and owned by root, and no folder of this
# machine is written into the program, so another run on the same commit,
# in any folder, gives the same bytes. With --windows it also adds the
# portable zip and the installer for 64-bit Windows, made by
# scripts/windows.sh from the same tarball (and checked under Wine there).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
windows=false
if [ "${1:-}" = "--windows" ]; then
  windows=true
  shift
fi
out="${1:-$here/release}"
fail() { echo "release.sh: $*" >&2; exit 1; }

git -C "$here" rev-parse --verify -q HEAD >/dev/null || fail "not a git checkout with a commit"
for tool in cmake cpack xz dpkg-deb; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
done
version="$(git -C "$here" show HEAD:CMakeLists.txt | sed -n 's/^project(Parolix VERSION \([0-9.]*\).*/\1/p')"
[ -n "$version" ] || fail "no version in CMakeLists.txt"
[ -z "$(git -C "$here" status --porcelain --untracked-files=no)" ] ||
  echo "release.sh: note: changes not committed are left out; this is the release of $(git -C "$here" rev-parse --short HEAD)"
SOURCE_DATE_EPOCH="$(git -C "$here" log -1 --format=%ct HEAD)"
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8
name="parolix-$version"

work="$(mktemp -d /tmp/parolix-release.XXXXXX)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# The tarball: git's archive of HEAD (sorted, the commit's time), unpacked and
# packed again as tar and xz are told here, so that git's own header with the
# commit's name stays out and any git makes the same bytes.
git -C "$here" archive --format=tar --prefix="$name/" HEAD | tar -x -C "$work"
tar --sort=name --format=gnu --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner \
  --mode='u+rw,go=rX' -C "$work" -cf - "$name" | xz -T1 -6 -c >"$out/$name.tar.xz"

# The package, built from the tarball alone in a folder of its own.
mkdir "$work/from-tarball"
tar -xJf "$out/$name.tar.xz" -C "$work/from-tarball"
src="$work/from-tarball/$name"
build="$work/build"
gen=()
command -v ninja >/dev/null && gen=(-G Ninja)
cmake -S "$src" -B "$build" "${gen[@]}" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >"$work/configure.log" 2>&1 ||
  { cat "$work/configure.log"; fail "configuring the tarball failed"; }
cmake --build "$build" -j2 --target parolix >"$work/build.log" 2>&1 || { tail -n 40 "$work/build.log"; fail "building failed"; }
# cpack lays out the package's files; dpkg-deb packs them, its members
# sorted, their times clamped to the commit's and owned by root.
(cd "$build" && cpack -G DEB -D CPACK_DEBIAN_DEBUGINFO_PACKAGE=OFF >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
deb="$(cd "$build" && ls parolix_*.deb)"
root="$work/deb"
mkdir -p "$root/DEBIAN"
dpkg-deb -x "$build/$deb" "$root"
dpkg-deb -e "$build/$deb" "$root/DEBIAN"
find "$root" -depth -newermt "@$SOURCE_DATE_EPOCH" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +
dpkg-deb --root-owner-group -Zxz --build "$root" "$out/$deb" >/dev/null

packages=("$name.tar.xz" "$deb")
if $windows; then
  PAROLIX_WIN_BUILD="$work/win64" PAROLIX_WIN_OUT="$out" "$src/scripts/windows.sh" >"$work/windows.log" 2>&1 ||
    { tail -n 30 "$work/windows.log"; fail "the Windows packages failed"; }
  packages+=("$name-win64.zip" "$name-setup.exe")
fi
(cd "$out" && sha256sum "${packages[@]}" >SHA256SUMS)
echo "release $version of $(git -C "$here" rev-parse --short HEAD) in $out:"
cat "$out/SHA256SUMS"
