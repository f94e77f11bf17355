#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# The game through the real accessibility tree that a screen reader reads:
# under Xvfb, with a session bus and the AT-SPI bus, a copy of the game whose
# word list holds one word is played by keys only, either by play_by_tree.py,
# reading the tree, or (orca) by play_by_ear.py, listening to Orca itself.
# Exits 77 (skipped) only when the buses or Orca cannot start here. Whatever
# happens, the screen, the buses and every program started are stopped.
#   check_screenreader.sh GAME [orca]
set -euo pipefail
game="$1"
mode="${2:-tree}"
here="$(cd "$(dirname "$0")" && pwd)"
word=GATTO
[ "$mode" = orca ] && word="L'ASINO" # a word with an apostrophe, no letter twice: a wrong letter is always there

fail() { echo "FAIL: $*" >&2; exit 1; }
command -v Xvfb dbus-run-session xdotool >/dev/null && [ -x /usr/libexec/at-spi-bus-launcher ] &&
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "scripts/setup.sh installs what this needs"
if [ "$mode" = orca ]; then
  command -v speech-dispatcher openbox >/dev/null && [ -x /usr/lib/speech-dispatcher-modules/sd_espeak-ng ] &&
    [ -d /usr/lib/python3/dist-packages/orca ] && [ -f /usr/share/i18n/locales/it_IT ] ||
    fail "scripts/setup.sh installs Orca, its speech and the Italian locale"
fi

if [ "${3:-}" != "--inside" ]; then
  work="$(mktemp -d /tmp/parolix-screenreader-XXXXXX)"
  [ -n "${PAROLIX_KEEP:-}" ] && echo "kept for a look: $work" || trap 'rm -rf "$work"' EXIT
  # The game in a folder of its own: its settings and records stay there.
  cp "$game" "$(dirname "$game")"/*.wmf "$work/"
  printf '\020Animali\r\n%s\r\n' "$word" >"$work/lexorda.DAT"
  [ "$mode" = tree ] || printf 'MARTA      120     Animali\r\nLUCA       30      Animali\r\n' >"$work/LexOrda.Sco"
  export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"
  dbus-run-session -- true 2>/dev/null || { echo "SKIPPED: no D-Bus session bus can start here"; exit 77; }
  # A signal here goes on to the inside, whose trap stops what it started.
  dbus-run-session -- bash "$0" "$work/parolix" "$mode" --inside &
  session=$!
  trap 'kill -TERM $(pgrep -P "$session" -x bash) 2>/dev/null; wait "$session"; exit 143' TERM INT HUP
  rc=0
  wait "$session" || rc=$?
  exit "$rc"
fi

# Inside the session bus: a screen, the accessibility bus, then the player.
# Everything runs in the background and is waited for, so that a signal
# reaches the trap at once and the trap stops it all.
pids=()
shown="$(mktemp)"
stop() { # the player first: it stops what it started
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; wait "${pids[i]}" 2>/dev/null || true; done
  rm -f "$shown"
}
trap stop EXIT
trap 'exit 143' TERM INT HUP
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$shown" >/dev/null 2>&1 &
pids+=($!)
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 400); do [ -s "$shown" ] && break; sleep 0.05; done # up to 20 s on a loaded machine
[ -s "$shown" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$shown")" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 GSETTINGS_BACKEND=memory
bus_up() { dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; }
for _ in $(seq 300); do bus_up && break; sleep 0.1; done
bus_up || { echo "SKIPPED: the AT-SPI bus cannot start here"; exit 77; }
cd "$(dirname "$game")"
if [ "$mode" = orca ]; then
  # A window manager gives each new window the keyboard, as on a desktop.
  openbox --sm-disable >/dev/null 2>&1 &
  pids+=($!)
  unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON # the game must find the screen reader by itself
  /usr/bin/python3 "$here/play_by_ear.py" "$game" "$word" "$(dirname "$game")" &
else
  /usr/bin/python3 "$here/play_by_tree.py" "$game" "$word" &
fi
pids+=($!)
rc=0
wait "${pids[-1]}" || rc=$?
exit "$rc"
