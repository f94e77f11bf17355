// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The rules of a round in play: what a press on the board picks up, where a
// carried letter may be dropped, what a placed letter is worth and when the
// board is complete. The game window draws; these decide.

#include "session/Session.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace play {

enum class Press {
    Elsewhere,     // neither the pool nor a target box
    NothingToTake, // a pool slot whose letter is placed, or a help letter's empty slot
    BeyondPool,    // a cell of the pool grid past the last slot
    PickUp,        // DragSlot now holds the slot being carried
    OnBox,         // an existing target box: nothing is carried
};

// A press at (x, y): sets TargetRow (0 unless on the target area), DragSlot for
// a press on the pool and TargetColumn for a press on the target area.
Press press(Session& s, double x, double y, int clientWidth);

enum class Drop {
    Outside,  // not over a target box: the letter stays in the pool
    Occupied, // over a box that already shows a letter
    Empty,    // over an empty box: TargetRow, TargetColumn name it
};

// Where a release at (x, y) would drop the carried letter. Sets TargetRow and
// TargetColumn as far as the release lies in the target area.
Drop dropTest(Session& s, double x, double y, int clientWidth);

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

// A release at (x, y) while a letter is carried: the drop test, then the
// letter goes into the empty box and is checked.
Release release(Session& s, double x, double y, int clientWidth);

// Points of a right letter: 300 / HelpPercent (a help percentage of 0 counts
// as 1 and is left at 1), added to Score rounded half to even.
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
