#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# A game open when the desktop session ends keeps its score. The real game, a
# portable copy whose only word is "AAAA" (so every letter of the pool is
# right), runs under Xvfb: the keys open the first genre and place a letter,
# then SIGTERM (and, in a second run, SIGHUP) ends it; given a session
# manager, two more runs log out through it, the second with the
# congratulations open. The program must exit within a few seconds, status
# 0, its score on the first line of the records file. A signal with no game
# open ends the program, saves a name being typed and leaves the records
# alone.
#   check_session_end.sh PAROLIX_EXECUTABLE [LOGOUT_SESSION_MANAGER]
set -euo pipefail
game="$1"
manager="${2:-}"
data="$(dirname "$game")"

command -v Xvfb >/dev/null && command -v xdotool >/dev/null ||
  { echo "session end: not checked (Xvfb or xdotool missing)"; exit 77; }

work="$(mktemp -d /tmp/parolix-session-XXXXXX)"
xvfb=""
pid=""
sm=""
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  [ -n "$sm" ] && kill "$sm" 2>/dev/null
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
unset WAYLAND_DISPLAY SESSION_MANAGER # no desktop of the tester's
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
  for _ in $(seq 300); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  kill -0 "$pid" 2>/dev/null && fail "$1: still running 15 s after the signal"
  set +e; wait "$pid"; rc=$?; set -e
  pid=""
  [ "$rc" -eq 0 ] || fail "$1: exit status $rc"
  echo "$1: ended in $(( ($(date +%s%N) - start) / 1000000 )) ms"
}

# Opens the first genre and places a letter; the game runs as $pid.
play() {
  local name="$1"
  launcher="$(timeout 20 xdotool search --sync --onlyvisible --name '^Parolix$' | head -1)" ||
    fail "$name: no launcher"
  xdotool windowfocus --sync "$launcher"
  xdotool key --delay 50 Tab Return
  window="$(timeout 20 xdotool search --sync --onlyvisible --name "^Parolix   \\($name\\) $" | head -1)" ||
    fail "$name: no game window"
  sleep 1 # the first round is dealt once the window's size has settled
  xdotool windowfocus --sync "$window"
  xdotool key --delay 100 a Return
  sleep 0.5
  [ ! -e "$work/copy/LexOrda.Sco" ] || fail "$name: records written too soon"
}

# The records file begins with the player's score in this genre.
kept() {
  local first
  first="$(head -1 "$work/copy/LexOrda.Sco" | tr -d '\r')"
  [[ "$first" =~ ^${1}\ +([0-9]+)\ +Animali$ ]] && [ "${BASH_REMATCH[1]}" -gt 0 ] ||
    fail "$1: records file begins '$first'"
  echo "$1 with a game open: the score is kept ('$first')"
}

for signal in TERM HUP; do
  name="SIG$signal"
  copy "$name"
  "$work/copy/parolix" >"$work/out" 2>&1 &
  pid=$!
  play "$name"
  kill -s "$signal" "$pid"
  ends "SIG$signal with a game open"
  kept "$name"
done

# A logout: the session manager asks the game to save for a shutdown, once
# during play and once while the congratulations are open over the board
# (the message box's own loop is running then).
if [ -n "$manager" ]; then
  "$manager" "$work/manager" >"$work/manager.out" 2>&1 &
  sm=$!
  for _ in $(seq 50); do [ -s "$work/manager" ] && break; sleep 0.1; done
  [ -s "$work/manager" ] || fail "the session manager did not start"
  for name in LOGOUT LOGOUTBOX; do
    copy "$name"
    : >"$work/manager.out"
    SESSION_MANAGER="$(head -1 "$work/manager")" "$work/copy/parolix" >"$work/out" 2>&1 &
    pid=$!
    play "$name"
    if [ "$name" = LOGOUTBOX ]; then
      for _ in 1 2 3 4; do
        [ "$(xdotool search --onlyvisible --name '^Parolix$' | wc -l)" -ge 2 ] && break
        xdotool key --delay 100 a Return
        sleep 0.5
      done
      [ "$(xdotool search --onlyvisible --name '^Parolix$' | wc -l)" -ge 2 ] || fail "$name: no congratulations"
    fi
    grep -q "client registered" "$work/manager.out" || fail "$name: the game did not join the session"
    kill -s USR1 "$sm"
    ends "$name: a logout with a game open"
    kept "$name"
    grep -q "client saved" "$work/manager.out" || fail "$name: the session manager heard no save: $(cat "$work/manager.out")"
  done
else
  echo "a logout: not checked (no session manager built)"
fi

# No game open, a new name typed in the name box: the program ends, the
# name is saved and no records are written.
copy NESSUNO
"$work/copy/parolix" >"$work/out" 2>&1 &
pid=$!
launcher="$(timeout 20 xdotool search --sync --onlyvisible --name '^Parolix$' | head -1)" || fail "no launcher"
xdotool windowfocus --sync "$launcher"
xdotool key --delay 50 ctrl+a n u o v o
sleep 0.5
kill -s TERM "$pid"
ends "SIGTERM with no game open"
[ ! -e "$work/copy/LexOrda.Sco" ] || fail "records written with no game open"
grep -q '^Nome=NUOVO' "$work/copy/LexOrda.ini" || fail "the name typed is lost: $(cat "$work/copy/LexOrda.ini")"
echo "SIGTERM with no game open: the name typed is kept"
echo "session end: every score and name kept"
