// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Playing without a mouse: which pool slot a typed letter takes, and how the
// cursor box moves among the empty target boxes. The window turns keys into
// the same presses and releases the mouse makes; these only choose where.

#include "game/Board.h"
#include "session/Session.h"

namespace keyboard {

// The pool slot a typed letter (code page 1252) takes: the first slot, in pool
// order, whose letter is still there and equals the key once both are upper-
// cased, so "a" takes "A" and an accented letter only takes itself. 0 when
// no such letter is left.
int slotForKey(const Session& s, char key);

// The first empty box in reading order; row 0 when there is none.
Cell firstEmptyBox(const Session& s);

enum class Move { Left, Right, Up, Down, Next, Previous };

// Where the cursor box goes from `from`. Left and right: the next empty box
// that way in the same row, wrapping round the row. Up and down: the nearest
// empty box (the left one of two as near) of the next row that way holding
// one; at the top or bottom it stays. Next and previous: the empty boxes in
// reading order, wrapping round the board. A cursor that marks no empty box
// (the board changed under it) goes to the first empty box.
Cell moveCursor(const Session& s, Cell from, Move m);

} // namespace keyboard
