#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# No game is lost to any ending. The real game, a portable copy whose only
# word is "AAAA", runs under Xvfb: keys open a genre, place a letter, maybe
# open a box, then an ending of the table comes. A signal or a logout ends
# it, status 0; a checkpoint leaves it playing; a cancelled logout leaves the
# launcher with a message; its display killed or SIGKILL leave a journal that
# the next start, on a new display, enters. The score is then in the records
# once, under the name the settings held. A signal with no game open saves a
# name being typed and leaves the records alone.
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

# A display of its own; a second call replaces the first.
display() {
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; fi
  rm -f "$work/display"
  exec 5>"$work/display"
  Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(head -1 "$work/display")"
}
display
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

# Waits for the program to exit after an ending; says how long it took.
ends() {
  local start=$(date +%s%N)
  for _ in $(seq 300); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  kill -0 "$pid" 2>/dev/null && fail "$1: still running 15 s after the ending"
  set +e; wait "$pid"; rc=$?; set -e
  pid=""
  [ "$rc" -eq "${2:-0}" ] || fail "$1: exit status $rc"
  echo "$1: ended in $(( ($(date +%s%N) - start) / 1000000 )) ms"
}

# Polls for a condition, up to 10 s (or the tenths of a second given).
until_() {
  local tenths=100
  [[ "$1" =~ ^[0-9]+$ ]] && { tenths="$1"; shift; }
  for _ in $(seq "$tenths"); do "$@" && return 0; sleep 0.1; done
  return 1
}
# A journal, not the temporary of its save that a kill may cut short (the
# game clears such leftovers a minute on).
journal() { compgen -G "$work/copy/.lexorda-partita-*" | grep -qv '\.tmp-'; }
boxes() { [ "$(xdotool search --onlyvisible --name "^($1)\$" 2>/dev/null | wc -l)" -ge 2 ]; }

# Opens the first genre and places letters until the journal holds a score.
play() {
  local name="$1"
  launcher="$(timeout 20 xdotool search --sync --onlyvisible --name '^Parolix$' | head -1)" ||
    fail "$name: no launcher"
  xdotool windowfocus --sync "$launcher"
  xdotool key --delay 50 Tab Return
  window="$(timeout 20 xdotool search --sync --onlyvisible --name "^Parolix   \\($name\\) $" | head -1)" ||
    fail "$name: no game window"
  # Keys before the deal are lost; one that placed a letter shows soon.
  for _ in $(seq 20); do
    xdotool windowfocus --sync "$window"
    xdotool key --delay 100 a Return
    until_ 10 journal && break
  done
  journal || fail "$name: no journal of the score"
  [ ! -e "$work/copy/LexOrda.Sco" ] || fail "$name: records written too soon"
}

# Opens the congratulations, the name box (F3, a name typed) or the share's (F4).
open_box() {
  case "$2" in
    -) return ;;
    congratulations)
      for _ in 1 2 3 4; do
        boxes Parolix && break
        xdotool key --delay 100 a Return
        until_ 20 boxes Parolix || true
      done ;;
    name) xdotool key F3; until_ boxes 'Parolix|LexOrda' || true; xdotool key --delay 50 ctrl+a z z z ;;
    share) xdotool key F4; until_ boxes 'Parolix|LexOrda' || true; xdotool key --delay 50 ctrl+a 5 9 ;;
  esac
  boxes 'Parolix|LexOrda' || fail "$1: no $2 box"
}

# The score is in the records once, the name unchanged, no journal left.
kept() {
  local lines first
  lines="$(grep -c "^$1 " "$work/copy/LexOrda.Sco" || true)"
  first="$(head -1 "$work/copy/LexOrda.Sco" | tr -d '\r')"
  [ "$lines" = 1 ] || fail "$1: the score is in the records $lines times"
  [[ "$first" =~ ^${1}\ +([0-9]+)\ +Animali$ ]] && [ "${BASH_REMATCH[1]}" -gt 0 ] ||
    fail "$1: records file begins '$first'"
  grep -q "^Nome=$1" "$work/copy/LexOrda.ini" || fail "$1: the name became $(cat "$work/copy/LexOrda.ini")"
  journal && fail "$1: a journal is left"
  echo "$1: the score is kept once ('$first')"
}

start() { SESSION_MANAGER="${1:-}" "$work/copy/parolix" >"$work/out" 2>&1 & pid=$!; }

if [ -n "$manager" ]; then
  "$manager" "$work/manager" >"$work/manager.out" 2>&1 &
  sm=$!
  for _ in $(seq 50); do [ -s "$work/manager" ] && break; sleep 0.1; done
  [ -s "$work/manager" ] || fail "the session manager did not start"
else
  echo "a logout, a checkpoint: not checked (no session manager built)"
fi

# name (as the settings hold it), ending, box open over the board
while read -r name ending box; do
  case "$ending" in logout | checkpoint | cancelled) [ -n "$manager" ] || continue ;; esac
  copy "$name" && : >"$work/manager.out"
  start "$( [ -n "$manager" ] && head -1 "$work/manager")"
  play "$name" && open_box "$name" "$box"
  case "$ending" in
    TERM | HUP) kill -s "$ending" "$pid"; ends "$name: SIG$ending with a game open" ;;
    logout)
      grep -q "client registered" "$work/manager.out" || fail "$name: the game did not join the session"
      kill -s USR1 "$sm"
      ends "$name: a logout with a game open"
      grep -q "client saved" "$work/manager.out" || fail "$name: no save heard: $(cat "$work/manager.out")" ;;
    checkpoint)
      kill -s USR2 "$sm"
      until_ grep -q "checkpoint complete" "$work/manager.out" || fail "$name: no checkpoint: $(cat "$work/manager.out")"
      xdotool search --onlyvisible --name "^Parolix   \\($name\\) $" >/dev/null || fail "$name: the checkpoint closed the game"
      [ ! -e "$work/copy/LexOrda.Sco" ] || fail "$name: the checkpoint wrote the records"
      journal || fail "$name: the checkpoint lost the journal"
      kill -s TERM "$pid"; ends "$name: a checkpoint leaves the game open; then SIGTERM" ;;
    cancelled)
      kill -s HUP "$sm"
      until_ boxes Parolix || fail "$name: no message after the cancelled logout"
      kill -0 "$pid" || fail "$name: the cancelled logout ended the program"
      kill -s TERM "$pid"; ends "$name: a cancelled logout leaves the launcher and its message; then SIGTERM" ;;
    display | KILL)
      if [ "$ending" = KILL ]; then kill -9 "$pid"; ends "$name: SIGKILL" 137; else
        kill "$xvfb"; ends "$name: its display killed" 1; display; fi
      journal || fail "$name: no journal left by the unseen ending"
      start
      timeout 20 xdotool search --sync --onlyvisible --name '^Parolix$' >/dev/null || fail "$name: no launcher again"
      journal && fail "$name: the next start left the journal"
      kill -s TERM "$pid"; ends "$name: the next start, then SIGTERM" ;;
  esac
  kept "$name"
done <<'TABLE'
TERM       TERM       -
HUP        HUP        -
TERMNOME   TERM       name
HUPAIUTO   HUP        share
LOGOUT     logout     -
LOGOUTBOX  logout     congratulations
LOGOUTNOME logout     name
CHECKPOINT checkpoint -
CHECKNOME  checkpoint name
ANNULLATO  cancelled  -
ANNULLANOM cancelled  name
DISPLAY    display    -
DISPLAYBOX display    name
KILL       KILL       -
KILLAIUTO  KILL       share
TABLE

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
