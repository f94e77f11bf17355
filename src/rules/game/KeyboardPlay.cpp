// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "game/KeyboardPlay.h"

#include "game/Board.h"
#include "session/Cp1252.h"

#include <cstdlib>
#include <vector>

namespace keyboard {

namespace {

using board::boxEmpty;
using board::rowsInPlay;
int columns(const Session& s, int row)
{
    return board::boxesInRow(s, row);
}

// The empty boxes in reading order.
std::vector<Cell> emptyBoxes(const Session& s)
{
    std::vector<Cell> boxes;
    for (int j = 1; j <= rowsInPlay(s); ++j)
        for (int i = 1; i <= columns(s, j); ++i)
            if (boxEmpty(s, {j, i})) boxes.push_back({j, i});
    return boxes;
}

// The empty box of `row` nearest to `column`, or row 0.
Cell nearestInRow(const Session& s, int row, int column)
{
    Cell best;
    for (int i = 1; i <= columns(s, row); ++i)
        if (boxEmpty(s, {row, i}) && (best.row == 0 || std::abs(i - column) < std::abs(best.column - column)))
            best = {row, i};
    return best;
}

} // namespace

int slotForKey(const Session& s, char key)
{
    const std::string wanted = upperCp1252(std::string(1, key));
    if (wanted == " ") return 0; // a blank is never a letter to take
    for (size_t i = 0; i < s.PoolRemaining.size() && i < s.PoolLetters.size(); ++i)
        if (s.PoolRemaining[i] != ' ' && upperCp1252(std::string(1, s.PoolRemaining[i])) == wanted)
            return static_cast<int>(i) + 1;
    return 0;
}

Cell firstEmptyBox(const Session& s)
{
    const std::vector<Cell> boxes = emptyBoxes(s);
    return boxes.empty() ? Cell{} : boxes.front();
}

Cell moveCursor(const Session& s, Cell from, Move m)
{
    if (!boxEmpty(s, from)) return firstEmptyBox(s);
    switch (m) {
    case Move::Left:
    case Move::Right: {
        const int n = columns(s, from.row);
        const int step = m == Move::Right ? 1 : n - 1;
        for (int k = 1; k < n; ++k) {
            const Cell c{from.row, (from.column - 1 + step * k) % n + 1};
            if (boxEmpty(s, c)) return c;
        }
        return from;
    }
    case Move::Up:
    case Move::Down: {
        const int step = m == Move::Down ? 1 : -1;
        for (int j = from.row + step; j >= 1 && j <= rowsInPlay(s); j += step)
            if (const Cell c = nearestInRow(s, j, from.column); c.row != 0) return c;
        return from;
    }
    case Move::Next:
    case Move::Previous: {
        const std::vector<Cell> boxes = emptyBoxes(s);
        const int n = static_cast<int>(boxes.size());
        for (int k = 0; k < n; ++k)
            if (boxes[static_cast<size_t>(k)] == from)
                return boxes[static_cast<size_t>((k + (m == Move::Next ? 1 : n - 1)) % n)];
        return from;
    }
    }
    return from;
}

} // namespace keyboard
