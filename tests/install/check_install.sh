#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Installs the built game into a temporary prefix and checks it as a player
# meets it: every file in place, the desktop entry and AppStream file valid,
# the command line answered without a display, the game started from an
# unrelated folder with its own folder read-only and a fresh player's data
# folder, and the Debian package built and passed by lintian.
#   check_install.sh BUILD_DIR INSTALLED_GAME_TEST COMPONENT_ID
set -euo pipefail
build="$1"
e2e="$2"
id="$3"

fail() { echo "FAIL: $*" >&2; exit 1; }

work="$(mktemp -d /tmp/parolix-install-XXXXXX)"
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

pictures=()
for p in "$(dirname "$0")"/../../data/[0-9][0-9].wmf; do pictures+=("share/parolix/${p##*/}"); done
[ "${#pictures[@]}" -gt 0 ] || fail "no genre pictures in data/"
for f in bin/parolix share/parolix/lexorda.DAT share/parolix/LEXORDA.htm "${pictures[@]}" \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/man/man6/parolix.6.gz share/doc/parolix/copyright share/doc/parolix/changelog.gz \
         share/icons/hicolor/scalable/apps/$id.svg \
         share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/$id.png; do
  [ -f "$prefix/$f" ] || fail "not installed: $f"
done
echo "installed: every file in place"

if command -v desktop-file-validate >/dev/null; then
  said="$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1)" || fail "desktop entry: $said"
  [ -z "$said" ] || fail "desktop entry: $said"
  echo "desktop entry: valid"
else
  echo "desktop entry: not validated (desktop-file-validate missing)"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log"; fail "AppStream file"; }
  echo "AppStream file: valid"
else
  echo "AppStream file: not validated (appstreamcli missing)"
fi

# --help and --version answer on standard output before any window, so with
# no display at all; a wrong option is one line on standard error, status 2.
ask() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/parolix" "$@" >"$work/out" 2>"$work/err"; }
ask --version || fail "--version: exit $?: $(cat "$work/err")"
grep -q '^Parolix [0-9]' "$work/out" && [ ! -s "$work/err" ] || fail "--version said: $(cat "$work/out" "$work/err")"
ask --help || fail "--help: exit $?: $(cat "$work/err")"
grep -q -- '--version' "$work/out" && [ ! -s "$work/err" ] || fail "--help said: $(cat "$work/out" "$work/err")"
# An answer that cannot be written (standard output on a full disk) fails;
# standard error says at most one line of its own, never the answer.
full() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/parolix" "$@" >/dev/full 2>"$work/err"; }
for opt in --help --version; do
  set +e; full "$opt"; rc=$?; set -e
  [ "$rc" -ne 0 ] && [ "$(grep -cv '^parolix: ' "$work/err")" -eq 0 ] && [ "$(wc -l <"$work/err")" -le 1 ] || fail "$opt on a full disk: exit $rc, said: $(cat "$work/err")"
done
set +e; ask --nessuna; rc=$?; set -e
[ "$rc" -eq 2 ] && [ ! -s "$work/out" ] && [ "$(wc -l <"$work/err")" -eq 1 ] ||
  fail "a wrong option: exit $rc, said: $(cat "$work/out" "$work/err")"
echo "command line: --version and --help answer without a display and fail on a full disk, a wrong option exits 2"

# The program's folder read-only, as under /usr; root ignores the mode, so as
# root the game runs as an unprivileged user (then nothing here is its own).
cp "$e2e" "$work/installed_game_tests"
chmod -R a-w "$prefix"
mkdir -m 755 "$work/cwd" "$work/xdg"
as=()
if [ "$(id -u)" -eq 0 ] && setpriv --reuid=65534 --regid=65534 --clear-groups true 2>/dev/null; then
  as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  chown 65534:65534 "$work/cwd" "$work/xdg"
fi
listing() { (cd "$prefix" && find . -printf '%p %s %T@\n' | sort); }
listing >"$work/before"

export QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$work/xdg"
(cd "$work/cwd" && PAROLIX_INSTALLED_PREFIX="$prefix" "${as[@]}" "$work/installed_game_tests")

# The installed program itself stays up until it is stopped, and writes
# nothing where it was started.
rm -rf "$work/xdg/parolix"
set +e
(cd "$work/cwd" && "${as[@]}" timeout 3 "$prefix/bin/parolix" >"$work/run.log" 2>&1)
rc=$?
set -e
[ "$rc" -eq 124 ] || { cat "$work/run.log"; fail "the installed game ended by itself (exit $rc)"; }
[ -z "$(ls -A "$work/cwd")" ] || fail "files left in the working folder: $(ls -A "$work/cwd")"
listing | diff "$work/before" - >/dev/null || fail "the program's folder was changed"
echo "installed game: started from another folder, wrote nothing there or beside itself"

if command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null; then
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack -G DEB"; }
  deb="$(ls "$work"/pkg/parolix_*.deb)"
  dpkg-deb -c "$deb" >"$work/contents"
  grep -q ' ./usr/games/parolix$' "$work/contents" || fail "package without /usr/games/parolix"
  grep -q ' ./usr/share/parolix/lexorda.DAT$' "$work/contents" || fail "package without the word list"
  depends="$(dpkg-deb -f "$deb" Depends)"
  for d in fonts-liberation2 qt6-qpa-plugins qt6-translations-l10n libqt6widgets6; do
    [[ "$depends" == *"$d"* ]] || fail "package does not depend on $d: $depends"
  done
  echo "package: $(basename "$deb") builds, depends on $depends"
  if command -v lintian >/dev/null; then
    # Every tag it shows, info and pedantic included; only errors and
    # warnings fail, as the overrides answer for the rest.
    lintian -I --pedantic --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
      { cat "$work/lintian.log"; fail "lintian"; }
    grep -v 'root privileges' "$work/lintian.log" || true
    echo "lintian: no error, no warning"
  else
    echo "lintian: skipped (lintian missing)"
  fi
else
  echo "package: skipped (dpkg-deb or dpkg-shlibdeps missing)"
fi
