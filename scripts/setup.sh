#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Installs the Debian packages Parolix needs when any is missing:
#   setup.sh play   what building and playing the game need
#   setup.sh        that, and what the tests, benchmarks, fuzzers and the
#                   package check need
#   setup.sh bench  that, and the window manager scripts/gamewindow.sh runs
set -euo pipefail

PLAY_PACKAGES=(g++ cmake ninja-build qt6-base-dev libuemf-dev fonts-liberation2 qt6-translations-l10n)
TEST_PACKAGES=(libgtest-dev libbenchmark-dev libxcb1-dev libxcb-xtest0-dev xvfb xdotool clang
               desktop-file-utils appstream dpkg-dev file lintian reuse clang-format
               dbus at-spi2-core python3-pyatspi qt6-base-private-dev orca speech-dispatcher
               speech-dispatcher-espeak-ng espeak-ng openbox x11-utils libsm-dev procps locales)
BENCH_PACKAGES=(openbox)

# What differs between the releases (VERSION_ID of /etc/os-release): clang's
# sanitizer and fuzzer runtimes, which the fuzzers link, are a package of
# their own, named for clang's version (only recommended by clang, so left
# out without recommends).
release="$(. /etc/os-release 2>/dev/null && echo "${VERSION_ID:-}")"
case "$release" in
  12) TEST_PACKAGES+=(libclang-rt-14-dev) ;;
  13) TEST_PACKAGES+=(libclang-rt-19-dev) ;;
  *) # Another release or a derivative: the runtime of the clang it installs, if it names one.
    clang_version="$(apt-cache depends clang 2>/dev/null | sed -n 's/.*Depends: clang-\([0-9][0-9]*\)$/\1/p' | head -n 1)"
    if [ -n "$clang_version" ] && apt-cache show "libclang-rt-$clang_version-dev" >/dev/null 2>&1; then
      TEST_PACKAGES+=("libclang-rt-$clang_version-dev")
    fi ;;
esac

wanted=("${PLAY_PACKAGES[@]}")
[ "${1:-}" = "play" ] || wanted+=("${TEST_PACKAGES[@]}")
if [ "${1:-}" = "bench" ]; then wanted+=("${BENCH_PACKAGES[@]}"); fi

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  cmd=(apt-get install -y --no-install-recommends "${missing[@]}")
  if [ "$(id -u)" -eq 0 ]; then
    sudo=()
  elif command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
  else
    echo "Parolix needs these packages; please run as root:" >&2
    echo "  apt-get update && ${cmd[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
