// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "game/Board.h"

#include "session/Numbers.h"

#include <algorithm>
#include <cmath>

namespace board {

int poolSlotAt(double x, double y)
{
    if (!(x < PoolRight && y > PoolTop)) return 0;
    double s = std::floor(x / CellWidth) + PoolColumns * std::floor((y - PoolTop) / CellHeight) + 1;
    return s < 1 ? 0 : toInt16(s);
}

int rowShift(int rowBoxes, int clientWidth)
{
    // The last box's outline ends 22 pixels right of its reference point;
    // the client area's last column is clientWidth - 1.
    const long long past = CellWidth * static_cast<long long>(rowBoxes) - TargetMargin - 7;
    // The first box's outline, 6 pixels left of its reference point, stays
    // right of the pool area.
    const long long room = static_cast<long long>(clientWidth) - TargetMargin - PoolRight - 6;
    return static_cast<int>(std::clamp(past, 0LL, std::max(room, 0LL)));
}

Cell targetCellAt(double x, double y, int clientWidth, const std::function<int(int row)>& rowBoxes)
{
    if (!(y > TargetTop)) return {};
    // The row is Y - 20 rounded half to even, then divided whole by 50.
    long long r = static_cast<long long>(roundHalfEven(y - 20)) / CellHeight;
    const int row = saturate16(r);
    const double left = clientWidth - TargetMargin - rowShift(row >= 1 ? rowBoxes(row) : 0, clientWidth);
    if (!(x > left)) return {};
    double col = std::floor((x - left) / CellWidth) + 1;
    return {row, toInt16(col)};
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

Point boxPoint(const Session& s, int row, int column, int clientWidth)
{
    return targetPoint(row, column, clientWidth, boxesInRow(s, row));
}

Cell cellAt(const Session& s, double x, double y, int clientWidth)
{
    return targetCellAt(x, y, clientWidth, [&s](int row) { return boxesInRow(s, row); });
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
