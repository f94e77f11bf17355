#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Configures and builds a Release build in build/ (or $PAROLIX_BUILD).
#   build.sh [CMAKE_ARGS...]         the game and its tests
#   build.sh --game [CMAKE_ARGS...]  the game alone
# Extra arguments go to the configure step (say, -DPAROLIX_BENCH=ON).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${PAROLIX_BUILD:-$here/build}"
gen=()
[ -f "$build/CMakeCache.txt" ] || { command -v ninja >/dev/null && gen=(-G Ninja); }
# Said every time: the same build folder serves run.sh and test.sh.
tests=(-DBUILD_TESTING=ON)
target=()
if [ "${1:-}" = "--game" ]; then
  shift
  tests=(-DBUILD_TESTING=OFF)
  target=(--target parolix)
fi
cmake -S "$here" -B "$build" "${gen[@]}" -DCMAKE_BUILD_TYPE=Release "${tests[@]}" "$@" >/dev/null
cmake --build "$build" -j2 "${target[@]}"
