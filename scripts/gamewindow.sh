#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Measures how fast the game window comes: wall time from a click on the
# launcher's first genre picture to the game window being mapped, under Xvfb
# with the openbox window manager (which maximizes and frames the window as
# a desktop would). The yardstick is a bare Qt program whose click opens a
# maximized main window with a menu bar. The two are run alternately; prints
# the medians and their ratio.
#   scripts/gamewindow.sh [runs]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${PAROLIX_BUILD:-$here/build}"

if [ "${1:-}" = "--inside-xvfb" ]; then
  runs="$2"
  openbox >/dev/null 2>&1 &
  wm=$!
  trap 'kill $wm 2>/dev/null' EXIT
  sleep 1
  # A scratch copy of the program folder, so no settings or records of a
  # player are touched.
  scratch="$(mktemp -d)"
  cp -r "$build/parolix" "$build"/*.wmf "$build"/lexorda.DAT "$scratch/"
  : > "$build/gamewindow.parolix"; : > "$build/gamewindow.bare"
  # The middle of the first genre picture, in the launcher's client area;
  # the bare window's button lies there too. The launcher settles first.
  for i in $(seq "$runs"); do
    "$build/bench/click_probe" 700 76 101 "$scratch/parolix" >> "$build/gamewindow.parolix"
    "$build/bench/click_probe" 700 76 101 "$build/bench/bare_game_window" >> "$build/gamewindow.bare"
  done
  rm -rf "$scratch"
  exit 0
fi

runs="${1:-12}"
"$here/scripts/setup.sh" bench
"$here/scripts/build.sh" -DPAROLIX_BENCH=ON >/dev/null
xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside-xvfb "$runs"

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
p=$(median < "$build/gamewindow.parolix")
b=$(median < "$build/gamewindow.bare")
printf '%-12s %14s\n' "program" "click to map (ms)"
printf '%-12s %14.1f\n' "bare Qt" "$b"
printf '%-12s %14.1f\n' "Parolix" "$p"
printf 'ratio: %.3f  (%s runs each, medians)\n' "$(echo "$p/$b" | bc -l)" "$runs"
