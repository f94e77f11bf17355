// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "game/Board.h"

#include "session/Numbers.h"

#include <cmath>

namespace board {

int poolSlotAt(double x, double y)
{
    if (!(x < PoolRight && y > PoolTop)) return 0;
    double s = std::floor(x / CellWidth) + PoolColumns * std::floor((y - PoolTop) / CellHeight) + 1;
    return s < 1 ? 0 : toInt16(s);
}

Cell targetCellAt(double x, double y, int clientWidth)
{
    if (!(x > clientWidth - TargetMargin && y > TargetTop)) return {};
    // The row is Y - 20 rounded half to even, then divided whole by 50.
    long long r = static_cast<long long>(roundHalfEven(y - 20)) / CellHeight;
    double col = std::floor((x - (clientWidth - TargetMargin)) / CellWidth) + 1;
    return {saturate16(r), toInt16(col)};
}

} // namespace board

namespace board {

int rowsInPlay(const Session& s)
{
    const int most = static_cast<int>(s.Words.size()) - 1;
    return s.WordCount < most ? s.WordCount : most;
}

int boxesInRow(const Session& s, int row)
{
    if (row < 0 || row >= static_cast<int>(s.Words.size())) return 0;
    return static_cast<int>(s.Words[static_cast<size_t>(row)].size());
}

bool boxExists(const Session& s, Cell box)
{
    return box.row >= 1 && box.row <= rowsInPlay(s) && box.column >= 1 && box.column <= boxesInRow(s, box.row);
}

bool boxEmpty(const Session& s, Cell box)
{
    if (!boxExists(s, box)) return false;
    const std::string& shown = s.BoxRows[static_cast<size_t>(box.row)];
    const size_t c = static_cast<size_t>(box.column - 1);
    return c < shown.size() && shown[c] == ' ';
}

bool carrying(const Session& s)
{
    return s.DragSlot >= 1 && static_cast<size_t>(s.DragSlot) <= s.PoolLetters.size() &&
           static_cast<size_t>(s.DragSlot) <= s.PoolRemaining.size();
}

char carriedLetter(const Session& s)
{
    return carrying(s) ? s.PoolLetters[static_cast<size_t>(s.DragSlot - 1)] : ' ';
}

} // namespace board
