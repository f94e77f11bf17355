#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Measures a newcomer's first game: a fresh clone of this checkout's HEAD in a
# scratch folder, then `scripts/run.sh` there under Xvfb, timed from its start
# to the first window on the screen. The packages must be installed already
# (otherwise apt-get's time is measured). Prints one line a run.
#   scripts/firstgame.sh [runs]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-3}"
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || "$here/scripts/setup.sh"
display=:71
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
sleep 1
for i in $(seq "$runs"); do
  clone="$(mktemp -d)"
  git clone -q "$here" "$clone/parolix"
  start=$(date +%s%N)
  (cd "$clone/parolix" && DISPLAY=$display PAROLIX_BUILD="$clone/parolix/build" scripts/run.sh >"$clone/run.log" 2>&1) &
  run=$!
  # One waiting xdotool (it looks twice a second): a loop of fresh ones
  # would itself slow the build it times.
  DISPLAY=$display timeout 300 xdotool search --sync --onlyvisible --name . >/dev/null ||
    { echo "no window:"; tail -n 20 "$clone/run.log"; exit 1; }
  end=$(date +%s%N)
  echo "run $i: first window after $(( (end - start) / 1000000 )) ms"
  pkill -f "$clone/parolix/build/parolix" || true
  wait "$run" 2>/dev/null || true
  rm -rf "$clone"
done
