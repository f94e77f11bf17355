// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The rules of a round in play: what a press on the board picks up, where a
// carried letter may be dropped, what a placed letter is worth and when the
// board is complete. The game window draws; these decide.

#include "game/Board.h"
#include "session/Session.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace play {

// A move is a cell: a pool slot (1-based) or a target box (row, column).
// The window turns a point of the mouse into one (board::poolSlotAt,
// board::cellAt); the keys and a screen reader name it directly.

enum class Press {
    Elsewhere,     // neither the pool nor a target box
    NothingToTake, // a pool slot whose letter is placed, or a help letter's empty slot
    BeyondPool,    // a cell of the pool grid past the last slot
    PickUp,        // DragSlot now holds the slot being carried
    OnBox,         // an existing target box: nothing is carried
};

// A press on pool slot `slot` (0: no slot): DragSlot holds it when it has a
// letter to take. TargetRow goes back to 0.
Press take(Session& s, int slot);

// A press on target cell `box` (row 0: none): TargetRow and TargetColumn
// name it while its row is in play (TargetRow 0 otherwise).
Press pressBox(Session& s, Cell box);

enum class Drop {
    Outside,  // not over a target box: the letter stays in the pool
    Occupied, // over a box that already shows a letter
    Empty,    // over an empty box: TargetRow, TargetColumn name it
};

// Where the carried letter would go in cell `box` (row 0: none). Sets
// TargetRow and TargetColumn as far as the cell lies on the target area.
Drop dropTest(Session& s, Cell box);

// Puts the carried letter into box (TargetRow, TargetColumn) and marks its pool
// slot as used. Returns the letter.
char place(Session& s);

// Checks the letter just placed in (TargetRow, TargetColumn). A right letter
// scores; a wrong one marks the game lost with the letter that belonged there.
bool checkPlaced(Session& s);

enum class Release {
    Outside,  // not over a target box: the letter stays in the pool
    Occupied, // over a box that already shows a letter: it stays in the pool too
    Right,    // placed and right: scored
    Wrong,    // placed and wrong: the game is lost
};

// The carried letter let go on box (row, column) (row 0: off every box): the
// drop test, then the letter goes into the empty box and is checked.
Release dropAt(Session& s, int row, int column);

// Points of a right letter: RightLetterPoints / HelpPercent (a help
// percentage of 0 counts as 1 and is left at 1), added to Score rounded half
// to even.
inline constexpr int RightLetterPoints = 300;
void scoreRightLetter(Session& s);

// The completion bonus: floor(score + 100 / (elapsed / letters)). A board
// finished within its first second counts as one second.
int32_t withTimeBonus(int32_t score, double elapsedSeconds, size_t letters);

// The board is complete when every row shows its word.
bool boardComplete(const Session& s);

// Adds the completion bonus of the board just finished to Score.
void addTimeBonus(Session& s);

// The score label's caption: "Punti:" and the score with its sign place.
std::string scoreCaption(int32_t score);

} // namespace play

// The round clock: whole seconds since the deal and the caption of the clock
// label ("Min. 2  Sec. 7").

// Whole seconds from start to now, both read from the steady clock, so a
// round that runs across midnight or a change of the system clock keeps
// counting as the seconds really passed. Never negative.
double elapsedSeconds(double now, double start);

// "Min." and the minutes, "  Sec." and the seconds, each with its sign place.
std::string clockCaption(double elapsedSeconds);

// Playing without a mouse: which pool slot a typed letter takes, and how the
// cursor box moves among the empty target boxes. The keys then take, carry
// and drop by the same cell moves the mouse makes; these only choose where.

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
