// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// What the board of a round holds, in the words every part of the game uses
// for it: the rules, the keyboard play, the canvas and the window. Each check
// keeps to the session's arrays, whatever its counts say.

#include "session/Session.h"

#include <functional>

// Where every letter cell of the board lies, in pixels of the game window's
// client area. Drawing and hit tests both use these, so they always agree.

struct Point {
    int x, y;
    bool operator==(const Point&) const = default;
};

struct Box {
    int left, top, right, bottom; // both corners included
    bool operator==(const Box&) const = default;
};

struct Cell {
    int row = 0, column = 0;
    bool operator==(const Cell&) const = default;
};

namespace board {

inline constexpr int CellWidth = 30;
inline constexpr int CellHeight = 50;
inline constexpr int PoolColumns = 10;
inline constexpr int PoolTop = 128;      // the pool area starts below this
inline constexpr int PoolRight = 300;    // ... and left of this
inline constexpr int TargetTop = 78;     // the target area starts below this
inline constexpr int TargetMargin = 300; // ... and this far from the right edge

// Reference point of pool slot s (1-based).
inline Point poolPoint(int s)
{
    return {5 + CellWidth * ((s - 1) % PoolColumns), 190 + CellHeight * ((s - 1) / PoolColumns)};
}

// How far left of its usual place a row of this many boxes starts. A row of
// up to ten boxes fits and stays in place (0); a longer one would run past
// the client area's right edge, so it starts as far left as puts its last
// box flush with that edge, though never over the pool area.
int rowShift(int rowBoxes, int clientWidth);

// How many boxes a line holds when it starts beside the pool. A row longer
// than that goes on over as many lines as it needs, each starting beside the
// pool, and the rows below it move down by the lines it adds: every box lies
// inside the client area's width. Rows that fit keep their places.
int lineLength(int clientWidth);

// Reference point of letter i of word j, for a client area this wide, with
// rowBoxes(row) the boxes of each row (for a row past the words: 0).
Point targetPoint(int j, int i, int clientWidth, const std::function<int(int row)>& rowBoxes);

// The parts of a cell around its reference point.
inline Box fillBox(Point p)
{
    return {p.x - 5, p.y - 60, p.x + 21, p.y - 20};
}
inline Box outlineBox(Point p)
{
    return {p.x - 6, p.y - 61, p.x + 22, p.y - 19};
}
inline Point letterPos(Point p)
{
    return {p.x - 4, p.y - 64};
} // top-left of the text cell
// The short bar under a box that marks a letter the player placed.
inline Box placedBar(Point p)
{
    return {p.x - 5, p.y - 18, p.x + 20, p.y - 16};
}
// The middle of the filled box: a press or release there hits the cell.
inline Point middle(Point p)
{
    return {p.x + 8, p.y - 40};
}
// The frame that marks the box a carried letter would drop into by keys: it
// clears both the box and the drag tile hovering over its middle.
inline Box cursorFrame(Point p)
{
    return {p.x - 10, p.y - 68, p.x + 26, p.y - 15};
}
inline constexpr int CursorFrameWidth = 3;

// A press at (x, y) lies on the pool area, where it names a slot (or none).
inline bool inPoolArea(double x, double y)
{
    return x < PoolRight && y > PoolTop;
}

// The pool slot under (x, y), or 0 outside the pool area.
int poolSlotAt(double x, double y);

// The target cell under (x, y): row and column, or row 0 outside the target
// area, for rows of the boxes rowBoxes(row) gives. The cell need not hold a
// box; callers check the row and column.
Cell targetCellAt(double x, double y, int clientWidth, const std::function<int(int row)>& rowBoxes);

// The rows of words in play are 1 to rowsInPlay (row 0 is always empty).
int rowsInPlay(const Session& s);

// The boxes of a row: its word's letters; none outside the arrays.
int boxesInRow(const Session& s, int row);

// Where box (row, column) of this round lies, and the target cell under
// (x, y): the board's geometry with each row as long as its word.
Point boxPoint(const Session& s, int row, int column, int clientWidth);
Cell cellAt(const Session& s, double x, double y, int clientWidth);

// Box (row, column) belongs to a word in play.
bool boxExists(const Session& s, Cell box);

// The box exists and shows no letter yet: a carried letter may go there.
bool boxEmpty(const Session& s, Cell box);

// A letter is carried: DragSlot names a slot of this round's pool.
bool carrying(const Session& s);

// The letter carried, or a blank when none is.
char carriedLetter(const Session& s);

} // namespace board
