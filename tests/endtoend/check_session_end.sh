#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# A game open when the desktop session ends keeps its score. The real game, a
# portable copy whose only word is "AAAA" (so every letter of the pool is
# right), runs under Xvfb: the keys open the first genre and place a letter,
# then SIGTERM (and, in a second run, SIGHUP) ends it. The program must exit
# within a few seconds, its score on the first line of the records file.
# A signal with no game open ends the program and leaves the records alone.
#   check_session_end.sh PAROLIX_EXECUTABLE
set -euo pipefail
game="$1"
data="$(dirname "$game")"

command -v Xvfb >/dev/null && command -v xdotool >/dev/null ||
  { echo "session end: not checked (Xvfb or xdotool missing)"; exit 77; }

work="$(mktemp -d /tmp/parolix-session-XXXXXX)"
xvfb=""
pid=""
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

exec 5>"$work/display"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -1 "$work/display")"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
export XDG_DATA_HOME="$work/home-data" HOME="$work"

# A portable copy: the program and its data in a folder of its own.
copy() {
  rm -rf "$work/copy" && mkdir "$work/copy"
  cp "$game" "$work/copy/parolix"
  cp "$data"/0?.wmf "$data/LEXORDA.htm" "$work/copy/"
  printf '\x10Animali\r\nAAAA\r\n' >"$work/copy/lexorda.DAT"
  printf 'Nome=%s\r\n' "$1" >"$work/copy/LexOrda.ini"
}

# Waits for the program to exit after a signal; says how long it took.
ends() {
  local start=$(date +%s%N)
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  kill -0 "$pid" 2>/dev/null && fail "$1: still running 5 s after the signal"
  set +e; wait "$pid"; rc=$?; set -e
  pid=""
  [ "$rc" -eq 0 ] || fail "$1: exit status $rc"
  echo "$1: ended in $(( ($(date +%s%N) - start) / 1000000 )) ms"
}

for signal in TERM HUP; do
  name="SIG$signal"
  copy "$name"
  "$work/copy/parolix" >"$work/out" 2>&1 &
  pid=$!
  launcher="$(timeout 20 xdotool search --sync --onlyvisible --name '^Parolix$' | head -1)" ||
    fail "SIG$signal: no launcher"
  xdotool windowfocus --sync "$launcher"
  xdotool key --delay 50 Tab Return
  window="$(timeout 20 xdotool search --sync --onlyvisible --name "^Parolix   \\($name\\) $" | head -1)" ||
    fail "SIG$signal: no game window"
  sleep 1 # the first round is dealt once the window's size has settled
  xdotool windowfocus --sync "$window"
  xdotool key --delay 100 a Return
  sleep 0.5
  [ ! -e "$work/copy/LexOrda.Sco" ] || fail "SIG$signal: records written too soon"
  kill -s "$signal" "$pid"
  ends "SIG$signal with a game open"
  first="$(head -1 "$work/copy/LexOrda.Sco" | tr -d '\r')"
  [[ "$first" =~ ^${name}\ +([0-9]+)\ +Animali$ ]] && [ "${BASH_REMATCH[1]}" -gt 0 ] ||
    fail "SIG$signal: records file begins '$first'"
  echo "SIG$signal with a game open: the score is kept ('$first')"
done

# No game open: the program ends and nothing is written.
copy NESSUNO
"$work/copy/parolix" >"$work/out" 2>&1 &
pid=$!
timeout 20 xdotool search --sync --onlyvisible --name '^Parolix$' >/dev/null || fail "no launcher"
kill -s TERM "$pid"
ends "SIGTERM with no game open"
[ ! -e "$work/copy/LexOrda.Sco" ] || fail "records written with no game open"
echo "session end: every score kept"
