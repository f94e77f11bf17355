#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# The game through the real accessibility tree that a screen reader reads:
# under Xvfb, with a session bus and the AT-SPI bus, a copy of the game whose
# word list holds one word is played by play_by_tree.py, reading only the
# tree and pressing only keys. Exits 77 (skipped) only when the buses cannot
# start here.
#   check_screenreader.sh GAME
set -euo pipefail
game="$1"
here="$(cd "$(dirname "$0")" && pwd)"
word=GATTO

fail() { echo "FAIL: $*" >&2; exit 1; }
command -v Xvfb dbus-run-session xdotool >/dev/null && [ -x /usr/libexec/at-spi-bus-launcher ] &&
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "scripts/setup.sh installs what this needs"

if [ "${2:-}" != "--inside" ]; then
  work="$(mktemp -d /tmp/parolix-screenreader-XXXXXX)"
  trap 'rm -rf "$work"' EXIT
  # The game in a folder of its own: its settings and records stay there.
  cp "$game" "$(dirname "$game")"/*.wmf "$work/"
  printf '\020Animali\r\n%s\r\n' "$word" >"$work/lexorda.DAT"
  export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"
  dbus-run-session -- true 2>/dev/null || { echo "SKIPPED: no D-Bus session bus can start here"; exit 77; }
  rc=0
  dbus-run-session -- bash "$0" "$work/parolix" --inside || rc=$?
  exit "$rc"
fi

# Inside the session bus: a screen, the accessibility bus, then the player.
shown="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$shown" >/dev/null 2>&1 &
xvfb=$!
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
trap 'kill $bus $xvfb 2>/dev/null; rm -f "$shown"' EXIT
for _ in $(seq 100); do [ -s "$shown" ] && break; sleep 0.05; done
[ -s "$shown" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$shown")" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
bus_up() { dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; }
for _ in $(seq 50); do bus_up && break; sleep 0.1; done
bus_up || { echo "SKIPPED: the AT-SPI bus cannot start here"; exit 77; }
cd "$(dirname "$game")"
exec /usr/bin/python3 "$here/play_by_tree.py" "$game" "$word"
