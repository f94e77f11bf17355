// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// What the board of a round holds, in the words every part of the game uses
// for it: the rules, the keyboard play, the canvas and the window. Each check
// keeps to the session's arrays, whatever its counts say.

#include "game/BoardGeometry.h"
#include "session/Session.h"

namespace board {

// The rows of words in play are 1 to rowsInPlay (row 0 is always empty).
int rowsInPlay(const Session& s);

// The boxes of a row: its word's letters; none outside the arrays.
int boxesInRow(const Session& s, int row);

// Box (row, column) belongs to a word in play.
bool boxExists(const Session& s, Cell box);

// The box exists and shows no letter yet: a carried letter may go there.
bool boxEmpty(const Session& s, Cell box);

// A letter is carried: DragSlot names a slot of this round's pool.
bool carrying(const Session& s);

// The letter carried, or a blank when none is.
char carriedLetter(const Session& s);

} // namespace board
