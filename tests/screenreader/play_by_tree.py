#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

"""Plays Parolix as a blind player would: reading only the AT-SPI tree that a
screen reader reads, and pressing only keys.

Run by check_screenreader.sh inside Xvfb, a session bus and the accessibility
bus. The game's folder holds a word list of one genre with one word, so the
word is known; where its letters go is read from the tree. Checks the
launcher, opens the genre by keys, reads the board, takes a letter and
places it, reading the board and what was announced after each key, then
plays the board to the congratulations.
    play_by_tree.py GAME WORD
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

GAME, WORD = sys.argv[1], sys.argv[2]
EMPTY = "vuota"
heard = []  # (event, role, name) as the bus delivered them


def fail(what):
    print("FAIL:", what)
    sys.exit(1)


def pump():
    ctx = GLib.MainContext.default()
    while ctx.iteration(False):
        pass


def wait_for(what, test, seconds=10):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump()
        try:
            found = test()
        except Exception:  # an object that went away while being read
            found = None
        if found:
            return found
        time.sleep(0.05)
    fail("waited in vain for " + what)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True)


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def find(node, test, depth=0):
    if node is None or depth > 12:
        return None
    if test(node):
        return node
    for c in children(node):
        hit = find(c, test, depth + 1)
        if hit is not None:
            return hit
    return None


def find_all(node, test, depth=0):
    if node is None or depth > 12:
        return []
    hits = [node] if test(node) else []
    for c in children(node):
        hits += find_all(c, test, depth + 1)
    return hits


def role(node):
    return node.getRoleName()


def focused(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


def read_board(board):
    """The pool's buttons, the table's rows (header, cells) and the focused box."""
    pool = find(board, lambda n: role(n) == "panel" and n.name == "Lettere da sistemare")
    table = find(board, lambda n: role(n) == "table" and n.name == "Parole")
    if pool is None or table is None:
        fail("no pool or no table of words under the board")
    buttons = children(pool)
    if any(role(b) != "push button" for b in buttons):
        fail("a pool slot that is not a push button")
    rows, focus = [], None
    for c in children(table):
        if role(c) == "table row header":
            rows.append((c.name, []))
        elif role(c) == "table cell":
            rows[-1][1].append(c)
            if focused(c):
                focus = c
        else:
            fail("in the table: " + role(c))
    return [b.name for b in buttons], rows, focus, buttons


def show(reading):
    pool, rows, focus, _ = reading
    print("  pool :", " ".join(pool))
    for header, cells in rows:
        print("  row  :", header, "|", " ".join(c.name for c in cells))
    print("  focus:", focus.description if focus else "the board")


def listen(event):
    try:
        heard.append((event.type, role(event.source), event.source.name))
    except Exception:
        pass


def main():
    pyatspi.Registry.registerEventListener(listen, "focus:", "object:property-change:accessible-name")
    game = subprocess.Popen([GAME])
    try:
        play(game)
    finally:
        game.kill()
        game.wait()


def play(game):
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for("the game on the bus", lambda: find(desktop, lambda n: role(n) == "application" and n.name == "parolix", 1))

    # The launcher: a window with its title, the heading once, a link.
    launcher = wait_for("the launcher", lambda: find(app, lambda n: role(n) in ("frame", "window") and n.name == "Parolix", 1))
    heading = "Scegli il genere sottostante con cui giocare:"
    headings = find_all(launcher, lambda n: n.name == heading)
    if len(headings) != 1:
        fail("the heading is read %d times" % len(headings))
    link = find(launcher, lambda n: role(n) == "link")
    if link is None or not link.name or link.queryAction().nActions < 1:
        fail("the web address is no link with an action")
    print("launcher: window %r, heading once, link %r" % (launcher.name, link.name))

    # The first genre, by keys: from the name box Tab to its picture, Enter.
    subprocess.run(["xdotool", "search", "--sync", "--name", "^Parolix$", "windowfocus", "--sync"], check=True)
    keys("Tab", "Return")
    board = wait_for("the board", lambda: find(app, lambda n: role(n) == "panel" and n.name == "Tabellone"))
    frame = wait_for("the game window", lambda: find(app, lambda n: role(n) in ("frame", "window") and n.name.startswith("Parolix   ("), 1))
    subprocess.run(["xdotool", "search", "--sync", "--name", "^Parolix   \\(", "windowfocus", "--sync"], check=True)

    entries = find_all(frame, lambda n: role(n) == "menu item")
    if "Scelta altro Genere" not in [e.name for e in entries] or any(e.name != e.name.strip() for e in entries):
        fail("menu entries: %r" % [e.name for e in entries])
    print("menu entries:", ", ".join(repr(e.name) for e in entries if e.name))

    reading = wait_for("the deal", lambda: read_board(board)[1] and read_board(board))
    print("the board as dealt:")
    show(reading)
    pool, rows, focus, _ = reading
    if len(rows) != 1 or rows[0][0] != "Prima parola, %d lettere" % len(WORD) or len(rows[0][1]) != len(WORD):
        fail("the row of the word")
    shown = [c.name for c in rows[0][1]]
    missing = sorted(WORD[i] for i, n in enumerate(shown) if n == EMPTY)
    if any(n not in (EMPTY, WORD[i]) for i, n in enumerate(shown)) or sorted(p for p in pool if p != EMPTY) != missing:
        fail("the help letters and the pool do not make the word")

    first = True
    while True:
        pool, rows, focus, buttons = read_board(board)
        cells = rows[0][1]
        empty = [i for i, c in enumerate(cells) if c.name == EMPTY]
        if not empty:
            break
        letter = WORD[empty[0]]
        slot = pool.index(letter)
        del heard[:]
        keys(letter.lower())
        wait_for("the focus on the box for " + letter, lambda: focused(cells[empty[0]]))
        wait_for("the slot of %s empty" % letter, lambda: buttons[slot].name == EMPTY)
        wait_for("the focus announced", lambda: ("focus:", "table cell", EMPTY) in heard)
        if first:
            print("took %s:" % letter)
            show(read_board(board))
        del heard[:]
        last = len(empty) == 1
        keys("Return")
        if last:
            break
        wait_for("%s in its box" % letter, lambda: cells[empty[0]].name == letter)
        wait_for("the letter announced", lambda: any(t.startswith("object:property-change:accessible-name") and r == "table cell" and n == letter for t, r, n in heard))
        wait_for("the focus back on the board", lambda: ("focus:", "panel", "Tabellone") in heard)
        if first:
            print("placed %s (heard: %s):" % (letter, "; ".join("%s %s %r" % h for h in heard)))
            show(read_board(board))
            first = False

    alert = wait_for("the congratulations", lambda: find(app, lambda n: role(n) == "alert"))
    said = find(alert, lambda n: "Complimenti" in (n.name or ""))
    if said is None:
        fail("the alert says no congratulations")
    print("board complete: alert %r says %r" % (alert.name, said.name))
    keys("Return")
    wait_for("the next round", lambda: EMPTY in [c.name for c in read_board(board)[1][0][1]])
    print("next round:")
    show(read_board(board))
    print("PASS")


main()
