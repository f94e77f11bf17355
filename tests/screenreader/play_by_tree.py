#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

"""Plays Parolix reading only the AT-SPI tree a screen reader reads, pressing
only keys: the launcher, then a board of WORD to the congratulations, checking
what is read and announced on the way.    play_by_tree.py GAME WORD"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

GAME, WORD, EMPTY, BLANK = sys.argv[1], sys.argv[2], "vuota", "niente"  # a box, a pool slot
NAME_CHANGED = "object:property-change:accessible-name"
TOLD = "object:state-changed:showing"  # a notification of the board's status bar
heard = []  # (event, role, name), as the bus delivered them


def role(node):
    """The node's role as AT-SPI names it; newer AT-SPI calls a push button "button"."""
    name = node.getRoleName()
    return "push button" if name == "button" else name


def fail(what):
    sys.exit("FAIL: " + what)


def wait_for(what, test):
    # Polled: quick on a quiet machine, patient on one loaded past its cores.
    end = time.monotonic() + 30
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            if found := test():
                return found
        except Exception:  # an object that went away while it was read
            pass
        time.sleep(0.05)
    fail("waited in vain for " + what)


def keys(*names, focus=None):
    if focus:  # the window gets the keyboard, as a window manager would give it
        subprocess.run(["xdotool", "search", "--sync", "--name", focus, "windowfocus", "--sync"], check=True)
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True)


def find_all(node, test, depth=0):
    hits = [node] if test(node) else []
    for i in range(node.childCount if depth < 12 else 0):
        hits += find_all(node.getChildAtIndex(i), test, depth + 1)
    return hits


def find(node, wanted, name=None):
    hits = find_all(node, lambda n: role(n) == wanted and name in (None, n.name))
    return hits[0] if hits else None


def read_board(board, show=False):
    """The pool's buttons, the row's header and cells, and where the focus is."""
    pool, table = find(board, "panel", "Vasca"), find(board, "table", "Parole")
    buttons = [pool.getChildAtIndex(i) for i in range(pool.childCount)]
    parts = [table.getChildAtIndex(i) for i in range(table.childCount)] or [None]
    if not buttons:  # the deal is still reaching the tree: read again
        raise LookupError("the pool has no slots yet")
    roles = {role(b) for b in buttons} | {role(p) for p in parts[1:]}
    if parts[0] and (role(parts[0]) != "table row header" or roles != {"push button", "table cell"}):
        fail("the board's objects: %r" % roles)
    focus = [c.description for c in parts[1:] if c.getState().contains(pyatspi.STATE_FOCUSED)]
    if show:
        print("  pool:", " ".join(b.name for b in buttons), "| words:", parts[0] and parts[0].name, "|",
              " ".join(c.name for c in parts[1:]), "| focus:", focus[0] if focus else "the board")
    return buttons, parts[0] and parts[0].name, parts[1:]


def play(app):
    launcher = wait_for("the launcher", lambda: find(app, "frame", "Parolix"))
    headings = find_all(launcher, lambda n: n.name == "Scegli il genere sottostante con cui giocare:")
    link = find(launcher, "link")
    if len(headings) != 1 or not link or not link.name or link.queryAction().nActions < 1:
        fail("the launcher's heading once and its link with an action")
    keys("Tab", "Return", focus="^Parolix$")  # from the name box to the first genre
    board = wait_for("the board", lambda: find(app, "panel", "Tavola"))
    buttons, header, cells = wait_for("the deal", lambda: read_board(board)[2] and read_board(board, True))
    entries = [e.name for e in find_all(app, lambda n: role(n) == "menu item")]
    if "Scelta altro Genere" not in entries or any(e != e.strip() for e in entries):
        fail("menu entries %r" % entries)
    shown = [c.name for c in cells]
    if header != "Prima parola, %d lettere" % len(WORD) or len(cells) != len(WORD) or \
            any(n not in (EMPTY, WORD[i]) for i, n in enumerate(shown)) or \
            sorted(b.name for b in buttons if b.name != BLANK) != sorted(w for w, n in zip(WORD, shown) if n == EMPTY):
        fail("the help letters and the pool do not make the word")

    while empty := [i for i, c in enumerate(cells) if c.name == EMPTY]:
        box, letter = cells[empty[0]], WORD[empty[0]]
        slot = [b.name for b in buttons].index(letter)
        del heard[:]
        keys(letter.lower(), focus="^Parolix   \\(")
        place = "la %s, prima parola, casella %d" % (letter, empty[0] + 1)
        wait_for("the letter taken told", lambda: box.getState().contains(pyatspi.STATE_FOCUSED) and
                 (TOLD, "notification", place) in heard and buttons[slot].name == "usata")
        print("took", letter)
        read_board(board, True)
        del heard[:]
        keys("Return")
        if len(empty) == 1:
            break
        left = len(empty) - 1
        placed = "la %s, giusta. %d letter%s da sistemare" % (letter, left, "a" if left == 1 else "e")
        wait_for("the letter placed told", lambda: box.name == letter and (
            NAME_CHANGED, "table cell", letter) in heard and (TOLD, "notification", placed) in heard)
        print("placed", letter, "and heard", heard)
        read_board(board, True)

    alert = wait_for("the congratulations", lambda: find(app, "alert"))
    if not find_all(alert, lambda n: "Complimenti" in (n.name or "")):
        fail("the alert says no congratulations")
    print("board complete: an alert reads the congratulations\nPASS")


pyatspi.Registry.registerEventListener(
    lambda e: heard.append((e.type, role(e.source), e.source.name)), "focus:", NAME_CHANGED, TOLD)
game = subprocess.Popen([GAME])
try:
    desktop = pyatspi.Registry.getDesktop(0)
    play(wait_for("the game on the bus", lambda: [a for a in desktop if a and a.name == "parolix"][0]))
finally:
    game.kill()
    game.wait()
