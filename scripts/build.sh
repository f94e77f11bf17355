#!/usr/bin/env bash
# Configures and builds a Release build in build/ (or $PAROLIX_BUILD); extra
# arguments go to the configure step (say, -DPAROLIX_BENCH=ON).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${PAROLIX_BUILD:-$here/build}"
gen=()
[ -f "$build/CMakeCache.txt" ] || { command -v ninja >/dev/null && gen=(-G Ninja); }
cmake -S "$here" -B "$build" "${gen[@]}" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
cmake --build "$build" -j2
