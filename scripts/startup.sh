#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Measures start-up under Xvfb: wall time from start to the first window being
# mapped, and peak resident memory, for Parolix and for a bare Qt window built
# alongside it, interleaved run by run. Prints the medians and the ratios.
#   scripts/startup.sh [runs]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-15}"
if [ "$runs" != "--inside-xvfb" ]; then
  "$here/scripts/setup.sh"
  "$here/scripts/build.sh" -DPAROLIX_BENCH=ON >/dev/null
fi
build="${PAROLIX_BUILD:-$here/build}"

if [ "${1:-}" = "--inside-xvfb" ]; then
  runs="$2"
  # A scratch copy of the program folder, so no settings or records of a
  # player are touched.
  scratch="$(mktemp -d)"
  cp -r "$build/parolix" "$build"/*.wmf "$build"/lexorda.DAT "$scratch/"
  : > "$build/startup.parolix"; : > "$build/startup.bare"
  for i in $(seq "$runs"); do
    "$build/bench/startup_probe" 700 "$scratch/parolix" >> "$build/startup.parolix"
    "$build/bench/startup_probe" 700 "$build/bench/bare_window" >> "$build/startup.bare"
  done
  rm -rf "$scratch"
  exit 0
fi
xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside-xvfb "$runs"

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
pt=$(cut -d' ' -f1 "$build/startup.parolix" | median)
pm=$(cut -d' ' -f2 "$build/startup.parolix" | median)
bt=$(cut -d' ' -f1 "$build/startup.bare" | median)
bm=$(cut -d' ' -f2 "$build/startup.bare" | median)
printf '%-12s %12s %14s\n' "program" "map (ms)" "peak (MiB)"
printf '%-12s %12.1f %14.1f\n' "bare Qt" "$bt" "$(echo "$bm/1024" | bc -l)"
printf '%-12s %12.1f %14.1f\n' "Parolix" "$pt" "$(echo "$pm/1024" | bc -l)"
printf 'ratio: time %.3f  memory %.3f  (%s runs each, medians)\n' \
  "$(echo "$pt/$bt" | bc -l)" "$(echo "$pm/$bm" | bc -l)" "$runs"
