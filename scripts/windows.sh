#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Builds Parolix for 64-bit Windows on Debian and tries it under Wine.
# Debian has no Qt for MinGW, so the first run cross-builds a static Qt from
# Debian's own qt6-base source into a cache folder ($PAROLIX_WIN_CACHE, else
# ~/.cache/parolix), keyed by Qt's version and the configure line; later runs
# reuse it. The cache is written whole or not at all.
#   windows.sh qt       only make (or find) the Windows Qt
#   windows.sh deps     only make (or find) GoogleTest and libUEMF for Windows
#   windows.sh          Qt, then the game, its tests under Wine and the packages
# Needs root (apt-get) and the network on the first run.
# $PAROLIX_WIN_BUILD: the build folder (build-win64/); $PAROLIX_WIN_OUT: a
# folder to copy the zip and the installer into; $PAROLIX_WIN_LOGS: a folder
# that keeps the logs.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
script="$(basename "$0")"
fail() { echo "$script: $*" >&2; exit 1; }

cache="${PAROLIX_WIN_CACHE:-$HOME/.cache/parolix}"
mirror="${PAROLIX_MIRROR:-http://deb.debian.org/debian}"
jobs="${PAROLIX_JOBS:-2}"
what="${1:-all}"
start=$(date +%s)

work="$(mktemp -d /tmp/parolix-win.XXXXXX)"
# The logs stay when $PAROLIX_WIN_LOGS names a folder; else they go with $work.
logs="${PAROLIX_WIN_LOGS:-$work}"
mkdir -p "$logs"
child=""
cleanup() {
  [ -z "$child" ] || { kill -TERM "$child" 2>/dev/null; wait "$child" 2>/dev/null || true; }
  [ -z "${xvfb_pid:-}" ] || kill "$xvfb_pid" 2>/dev/null || true
  [ -z "${WINEPREFIX:-}" ] || wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP
# A long step runs in the background so that a signal is handled at once.
run() {
  "$@" &
  child=$!
  local status=0
  wait "$child" || status=$?
  child=""
  return "$status"
}

# ---- packages --------------------------------------------------------------
need=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64 nsis dpkg-dev
  cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-translations-l10n
  xvfb xdotool zip xz-utils fonts-liberation2 file)
missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  [ "$(id -u)" -eq 0 ] || fail "needs root to install ${missing[*]}"
  echo "== installing ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" \
    >"$logs/apt.log" 2>&1 || { tail -n 5 "$logs/apt.log" >&2; fail "could not install ${missing[*]}"; }
fi

# ---- the Windows Qt ----------------------------------------------------------
mkdir -p "$cache" || fail "cannot make the cache folder $cache"
# Where later runs find it again: the game's build folder remembers it.
toolchain="$cache/mingw-w64.cmake"
cat >"$work/mingw.cmake" <<'TOOLCHAIN'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
# Debian keeps the host Qt's CMake files by architecture.
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
TOOLCHAIN

qt_version="$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/+.*//; s/-.*//')"
qt_config=(-xplatform win32-g++ -qt-host-path /usr -release -static -static-runtime
  -nomake tests -nomake examples -no-opengl -no-dbus -no-icu
  -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-harfbuzz -qt-freetype -no-fontconfig
  -no-feature-sql -no-feature-network -no-feature-xml -no-feature-printsupport
  -no-feature-concurrent -no-feature-vulkan -no-feature-tabletevent -feature-testlib)
key="$(printf '%s\n' "$qt_version" "${qt_config[@]}" "$(cat "$work/mingw.cmake")" | sha256sum | cut -c1-12)"
qt="$cache/qt-$qt_version-win64-$key"

if [ "$what" = deps ]; then
  : # GoogleTest and libUEMF alone
elif [ -f "$qt/.complete" ]; then
  echo "== reusing the Windows Qt $qt_version in $qt"
else
  mkdir -p "$cache" || fail "cannot make the cache folder $cache"
  echo "== getting Debian's qt6-base $qt_version source"
  # A private apt list: the system's apt configuration stays as it is.
  codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
  mkdir -p "$work/apt/lists/partial" "$work/apt/archives/partial" "$work/src"
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror $codename main" \
    >"$work/apt/sources.list"
  apt_private=(-o Dir::Etc::SourceList="$work/apt/sources.list" -o Dir::Etc::SourceParts=/nonexistent
    -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt" -o APT::Sandbox::User=root)
  apt-get "${apt_private[@]}" update -q >"$logs/apt-update.log" 2>&1 ||
    { tail -n 3 "$logs/apt-update.log" >&2; fail "the archive $mirror cannot be reached"; }
  (cd "$work/src" && apt-get "${apt_private[@]}" source -q "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)") \
    >"$logs/apt-source.log" 2>&1 ||
    (cd "$work/src" && apt-get "${apt_private[@]}" source -q qt6-base) >>"$logs/apt-source.log" 2>&1 ||
    { tail -n 3 "$logs/apt-source.log" >&2; fail "could not get the qt6-base source"; }
  src="$(find "$work/src" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)"
  [ -n "$src" ] || fail "the qt6-base source did not unpack"
  got="$(basename "$src" | sed 's/^qt6-base-//; s/+.*//')"
  [ "$got" = "$qt_version" ] || fail "the archive has qt6-base $got, the host tools are $qt_version"

  # Built into a folder beside the cache entry and renamed once complete.
  tmp="$(mktemp -d "$cache/.qt-build.XXXXXX")"
  trap 'rm -rf "$tmp"; cleanup' EXIT
  echo "== building the Windows Qt (about an hour on 2 cores; log in $logs/qt-build.log)"
  mkdir -p "$work/qt-build"
  (cd "$work/qt-build" && run "$src/configure" -prefix "$tmp/qt" "${qt_config[@]}" -- \
    -G Ninja -DCMAKE_TOOLCHAIN_FILE="$work/mingw.cmake" -DQT_BUILD_TESTS=OFF \
    ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER} \
    ${CMAKE_C_COMPILER_LAUNCHER:+-DCMAKE_C_COMPILER_LAUNCHER=$CMAKE_C_COMPILER_LAUNCHER}) \
    >"$logs/qt-configure.log" 2>&1 || { tail -n 30 "$logs/qt-configure.log" >&2; fail "Qt's configure failed"; }
  run cmake --build "$work/qt-build" --parallel "$jobs" >"$logs/qt-build.log" 2>&1 ||
    { tail -n 30 "$logs/qt-build.log" >&2; fail "the Windows Qt did not build"; }
  run cmake --install "$work/qt-build" >"$logs/qt-install.log" 2>&1 ||
    { tail -n 20 "$logs/qt-install.log" >&2; fail "the Windows Qt did not install"; }
  printf '%s\n' "$qt_version" "${qt_config[@]}" >"$tmp/qt/.configure"
  touch "$tmp/qt/.complete"
  rm -rf "$qt"
  mv "$tmp/qt" "$qt"
  rm -rf "$tmp"
  trap cleanup EXIT
  echo "== the Windows Qt is in $qt ($(($(date +%s) - start)) s)"
fi
cmp -s "$work/mingw.cmake" "$toolchain" 2>/dev/null || cp "$work/mingw.cmake" "$toolchain"
[ "$what" = qt ] && exit 0

# ---- GoogleTest and libUEMF for Windows ------------------------------------
# GoogleTest from Debian's own source package (libgtest-dev ships it), libUEMF
# from Debian's source package: both small, cached beside Qt.
uemf_version="$(dpkg-query -W -f='${Version}' libuemf-dev)"
gtest_version="$(dpkg-query -W -f='${Version}' googletest 2>/dev/null || dpkg-query -W -f='${Version}' libgtest-dev)"
deps="$cache/deps-win64-$(printf '%s\n' "$uemf_version" "$gtest_version" "$(cat "$work/mingw.cmake")" | sha256sum | cut -c1-12)"
if [ -f "$deps/.complete" ]; then
  echo "== reusing GoogleTest and libUEMF for Windows in $deps"
else
  mkdir -p "$work/apt/lists/partial" "$work/apt/archives/partial" "$work/src"
  codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror $codename main" \
    >"$work/apt/sources.list"
  apt_private=(-o Dir::Etc::SourceList="$work/apt/sources.list" -o Dir::Etc::SourceParts=/nonexistent
    -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt" -o APT::Sandbox::User=root)
  compgen -G "$work/apt/lists/*_Sources*" >/dev/null ||
    apt-get "${apt_private[@]}" update -q >"$logs/apt-update.log" 2>&1 ||
    { tail -n 3 "$logs/apt-update.log" >&2; fail "the archive $mirror cannot be reached"; }
  (cd "$work/src" && apt-get "${apt_private[@]}" source -q "libuemf=$uemf_version") >"$logs/apt-uemf.log" 2>&1 ||
    { tail -n 3 "$logs/apt-uemf.log" >&2; fail "could not get the libuemf source"; }
  usrc="$(find "$work/src" -maxdepth 1 -type d -name 'libuemf-*' | head -n 1)"
  [ -n "$usrc" ] || fail "the libuemf source did not unpack"
  dtmp="$(mktemp -d "$cache/.deps-build.XXXXXX")"
  trap 'rm -rf "$dtmp"; cleanup' EXIT
  echo "== building GoogleTest and libUEMF for Windows"
  run cmake -S /usr/src/googletest -B "$work/gtest" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$work/mingw.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$dtmp/deps" -DBUILD_GMOCK=OFF >"$logs/gtest.log" 2>&1 &&
    run cmake --build "$work/gtest" --parallel "$jobs" >>"$logs/gtest.log" 2>&1 &&
    run cmake --install "$work/gtest" >>"$logs/gtest.log" 2>&1 ||
    { tail -n 20 "$logs/gtest.log" >&2; fail "GoogleTest did not build for Windows"; }
  # The library's own files; the rest are its test and print programs.
  # Debian has no iconv for MinGW: the tests build records and never convert
  # text with libUEMF, so its conversions are left failing.
  mkdir -p "$dtmp/deps/lib" "$dtmp/deps/include" "$work/uemf/stub"
  cat >"$work/uemf/stub/iconv.h" <<'ICONV'
#include <errno.h>
#include <stddef.h>
typedef void* iconv_t;
static inline iconv_t iconv_open(const char* t, const char* f) { (void)t; (void)f; errno = EINVAL; return (iconv_t)-1; }
static inline size_t iconv(iconv_t c, char** i, size_t* il, char** o, size_t* ol)
{ (void)c; (void)i; (void)il; (void)o; (void)ol; errno = EILSEQ; return (size_t)-1; }
static inline int iconv_close(iconv_t c) { (void)c; return 0; }
ICONV
  srcdir="$usrc"
  for c in uemf uemf_endian uemf_print uemf_safe uemf_utf upmf upmf_print uwmf uwmf_endian uwmf_print; do
    x86_64-w64-mingw32-gcc-posix -O2 -I"$work/uemf/stub" -c "$srcdir/$c.c" -o "$work/uemf/$c.o" \
      >>"$logs/uemf.log" 2>&1 || { tail -n 20 "$logs/uemf.log" >&2; fail "libUEMF did not build for Windows"; }
  done
  x86_64-w64-mingw32-ar rcs "$dtmp/deps/lib/libuemf.a" "$work/uemf"/*.o
  cp "$srcdir"/u*.h "$dtmp/deps/include/"
  touch "$dtmp/deps/.complete"
  rm -rf "$deps"
  mv "$dtmp/deps" "$deps"
  rm -rf "$dtmp"
  trap cleanup EXIT
fi
[ "$what" = deps ] && exit 0

# ---- the game and its tests ------------------------------------------------
bw="${PAROLIX_WIN_BUILD:-$here/build-win64}"
version="$(sed -n 's/^project(Parolix VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")"
echo "== building Parolix $version and its tests for Windows in $bw"
t0=$(date +%s)
run cmake -S "$here" -B "$bw" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DBUILD_TESTING=ON -DCMAKE_PREFIX_PATH="$qt;$deps" -DCMAKE_FIND_ROOT_PATH="$qt;$deps;/usr/x86_64-w64-mingw32" \
  -DQT_HOST_PATH=/usr -DUEMF_LIBRARY="$deps/lib/libuemf.a" -DUEMF_INCLUDE_DIR="$deps/include" \
  >"$logs/win-configure.log" 2>&1 || { tail -n 30 "$logs/win-configure.log" >&2; fail "the Windows build did not configure"; }
run cmake --build "$bw" --parallel "$jobs" --target parolix parolix_data rules_tests pictures_tests windows_tests \
  >"$logs/win-build.log" 2>&1 || { grep -m 20 -B2 -A8 'error' "$logs/win-build.log" >&2; fail "the Windows build failed"; }
built=$(date +%s)

# Wine in a prefix of its own, on an X server of its own.
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export PATH="/usr/lib/wine:$PATH"
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || fail "wine64 is missing (apt-get install wine64)"
exec 5>"$work/display"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
DISPLAY=":$(head -n 1 "$work/display")"
export DISPLAY
unset WAYLAND_DISPLAY SESSION_MANAGER
run "$wine" wineboot -i >"$logs/wineboot.log" 2>&1 || fail "Wine did not make its prefix"
# The tests' pictures are drawn with the faces the Linux tests use; a
# Windows desk has its own Arial and Courier New, which the game takes there.
cp /usr/share/fonts/truetype/liberation2/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" ||
  fail "the Liberation fonts (fonts-liberation2) are missing"

for t in rules pictures windows; do
  echo "== ${t}_tests under Wine"
  (cd "$bw/tests" && run timeout 900 "$wine" "${t}_tests.exe" --gtest_brief=1) >"$logs/wine-$t.log" 2>&1 ||
    { grep -v '^\[ *OK' "$logs/wine-$t.log" | tail -n 40 >&2; fail "${t}_tests failed under Wine"; }
  tail -n 3 "$logs/wine-$t.log"
done
tested=$(date +%s)

# ---- the portable zip ----------------------------------------------------------
dist="$bw/dist-win64"
zipdir="$dist/parolix-$version-win64"
rm -rf "$dist" && mkdir -p "$zipdir"
cp "$bw/parolix.exe" "$zipdir/"
x86_64-w64-mingw32-strip "$zipdir/parolix.exe"
# The data the build copies beside the program, the help page, the licences.
(cd "$here/data" && cp -- * "$zipdir/")
cp "$here/LICENSES/GPL-2.0-or-later.txt" "$zipdir/COPYING.txt"
sed 's/$/\r/' >"$zipdir/README.txt" <<TEXT
Parolix $version per Windows (64 bit)

Per giocare: parolix.exe. Non serve installarlo.
I nomi e i punteggi (LexOrda.ini, LexOrda.Sco) restano in questa cartella;
se la cartella non si puo' scrivere, in %APPDATA%\\Parolix.

Licenza: GNU GPL versione 2 o successiva (COPYING.txt).
Sito: $(sed -n 's/.*PAROLIX_HOMEPAGE "\([^"]*\)".*/\1/p' "$here/CMakeLists.txt")
TEXT
# Same bytes for the same sources: the files in one order, with one time.
find "$zipdir" -exec touch -h -d "@${SOURCE_DATE_EPOCH:-$(git -C "$here" log -1 --format=%ct)}" {} +
zip_file="$dist/parolix-$version-win64.zip"
(cd "$dist" && find "parolix-$version-win64" | LC_ALL=C sort | TZ=UTC zip -q -X -D -@ "$zip_file") ||
  fail "the zip could not be made"

# ---- the installer -----------------------------------------------------------------
setup_file="$dist/parolix-$version-setup.exe"
# The file list, kept to the zip's files, for the installer and the uninstaller.
(cd "$zipdir" && find . -type f | LC_ALL=C sort | sed 's|^\./||') >"$work/files.txt"
while read -r f; do printf 'File "%s"\n' "$zipdir/$f"; done <"$work/files.txt" >"$work/files.nsh"
while read -r f; do printf 'Delete "$INSTDIR\\%s"\n' "${f//\//\\}"; done <"$work/files.txt" >"$work/unfiles.nsh"
sed "s|@VERSION@|$version|g; s|@OUTFILE@|$setup_file|; s|@FILES@|$work/files.nsh|; s|@UNFILES@|$work/unfiles.nsh|" \
  "$here/dist/windows/parolix.nsi.in" >"$work/parolix.nsi"
makensis -V2 "$work/parolix.nsi" >"$logs/nsis.log" 2>&1 || { tail -n 20 "$logs/nsis.log" >&2; fail "the installer could not be made"; }
# Made for amd64, or a 64-bit-only Wine would run it, say 0 and install nothing.
file "$setup_file" | grep -q 'PE32+' || fail "the installer is not a 64-bit program"

# ---- a round of the real game, from the zip and installed -----------------------------
play_round() { # FOLDER-OF-EXE FOLDER-OF-RECORDS WHAT
  local exe="$1/parolix.exe" records="$2" what="$3" launcher window
  rm -f "$records/LexOrda.Sco"
  ( cd "$1" && exec "$wine" "$exe" -platform windows ) >"$logs/game-$what.log" 2>&1 &
  local game=$!
  launcher="$(timeout 60 xdotool search --sync --onlyvisible --name '^Parolix$' | head -n 1)" ||
    fail "$what: the launcher did not appear"
  xdotool windowfocus --sync "$launcher"
  xdotool key --delay 100 Tab Return
  window="$(timeout 30 xdotool search --sync --onlyvisible --name '^Parolix   \(' | head -n 1)" ||
    fail "$what: no genre opened"
  # Keys before the deal are lost; a letter placed shows as the game's journal.
  for _ in $(seq 20); do
    xdotool windowfocus --sync "$window"
    xdotool key --delay 150 a Return
    for _ in $(seq 10); do compgen -G "$records/.lexorda-partita-*" >/dev/null && break 2; sleep 0.1; done
  done
  compgen -G "$records/.lexorda-partita-*" >/dev/null || fail "$what: no letter was placed by keys"
  xdotool key --delay 150 F2
  for _ in $(seq 100); do grep -qa '^PROVA ' "$records/LexOrda.Sco" 2>/dev/null && break; sleep 0.2; done
  kill "$game" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  wait "$game" 2>/dev/null || true
  grep -qa '^PROVA ' "$records/LexOrda.Sco" 2>/dev/null || fail "$what: F2 left no score of PROVA in $records"
  # Fixed columns (name in 11, score in 8, the genre), every line ended by CR LF.
  local sco="$records/LexOrda.Sco"
  LC_ALL=C grep -qaP '^[^ ].{10}[0-9][0-9 ]{7}[^ ].*\r$' "$sco" &&
    [ "$(wc -l <"$sco")" = "$(LC_ALL=C grep -c $'\r$' "$sco")" ] &&
    [ "$(tail -c 2 "$sco" | od -An -tx1 | tr -d ' ')" = 0d0a ] ||
    fail "$what: LexOrda.Sco is not in the game's columns with CR LF: $(head -c 80 "$sco" | od -c | head -n 3)"
  echo "$what: $(head -n 1 "$records/LexOrda.Sco" | tr -d '\r')"
}
appdata="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Parolix"
mkdir -p "$work/unzipped" && (cd "$work/unzipped" && unzip -q "$zip_file")
printf 'Nome=PROVA\r\n' >"$work/unzipped/parolix-$version-win64/LexOrda.ini"
# A word of one letter four times: the letter typed is right wherever it goes.
printf '\x10Animali\r\nAAAA\r\n' >"$work/unzipped/parolix-$version-win64/lexorda.DAT"
play_round "$work/unzipped/parolix-$version-win64" "$work/unzipped/parolix-$version-win64" "the zip's game"

run "$wine" "$setup_file" /S >"$logs/setup.log" 2>&1 || true # a check looks at the files, not the status
installed="$WINEPREFIX/drive_c/Program Files/Parolix"
[ -f "$installed/parolix.exe" ] && [ -f "$installed/uninstall.exe" ] ||
  fail "the installer put no parolix.exe and uninstall.exe in Program Files\\Parolix"
mkdir -p "$appdata" && printf 'Nome=PROVA\r\n' >"$appdata/LexOrda.ini"
# Program Files takes no player's files on Windows; under Wine it would, so
# the folder is made immutable for the round (root ignores the mode bits).
printf '\x10Animali\r\nAAAA\r\n' >"$installed/lexorda.DAT"
chattr +i "$installed" 2>/dev/null || fail "cannot make Program Files\\Parolix read-only here (chattr)"
trap 'chattr -i "$installed" 2>/dev/null; cleanup' EXIT
play_round "$installed" "$appdata" "the installed game"
chattr -i "$installed"
trap cleanup EXIT
[ ! -e "$installed/LexOrda.Sco" ] || fail "the installed game wrote its records beside the program"
run "$wine" "$installed/uninstall.exe" /S >"$logs/uninstall.log" 2>&1 || true
for _ in $(seq 50); do [ ! -e "$installed/parolix.exe" ] && break; sleep 0.2; done
[ ! -e "$installed/parolix.exe" ] || fail "the uninstaller left parolix.exe"
[ -s "$appdata/LexOrda.Sco" ] || fail "the uninstaller took the player's records"

if [ -n "${PAROLIX_WIN_OUT:-}" ]; then
  cp "$zip_file" "$setup_file" "$PAROLIX_WIN_OUT/" || fail "cannot copy the packages into $PAROLIX_WIN_OUT"
fi
end=$(date +%s)
echo "== Windows: all passed in $((end - start)) s (build $((built - t0)) s, tests $((tested - built)) s)"
echo "   $zip_file"
echo "   $setup_file"
