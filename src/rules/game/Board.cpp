// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "game/Board.h"

#include "session/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace board {

int poolSlotAt(double x, double y)
{
    if (!inPoolArea(x, y)) return 0;
    double s = std::floor(x / CellWidth) + PoolColumns * std::floor((y - PoolTop) / CellHeight) + 1;
    return s < 1 ? 0 : toInt16(s);
}

namespace {

// The furthest a row moves left: its first box's outline, 6 pixels left of
// its reference point, stays right of the pool area.
long long mostShift(int clientWidth)
{
    return std::max(static_cast<long long>(clientWidth) - TargetMargin - PoolRight - 6, 0LL);
}

// The lines a row of this many boxes takes.
int linesOf(int rowBoxes, int clientWidth)
{
    const int length = lineLength(clientWidth);
    return rowBoxes <= length ? 1 : (rowBoxes - 1) / length + 1;
}

// The line of the first box of row j: rows above it that go on over more
// lines push it down.
long long firstLine(int j, int clientWidth, const std::function<int(int row)>& rowBoxes)
{
    long long line = j;
    for (int k = 1; k < j; ++k) line += linesOf(rowBoxes(k), clientWidth) - 1;
    return line;
}

} // namespace

int rowShift(int rowBoxes, int clientWidth)
{
    // The last box's outline ends 22 pixels right of its reference point;
    // the client area's last column is clientWidth - 1.
    const long long past = CellWidth * static_cast<long long>(rowBoxes) - TargetMargin - 7;
    return static_cast<int>(std::clamp(past, 0LL, mostShift(clientWidth)));
}

int lineLength(int clientWidth)
{
    // Boxes from the furthest left a row starts to the last that ends
    // inside the client area; never fewer than the ten that always fit.
    const long long room = TargetMargin - 23 + mostShift(clientWidth);
    return static_cast<int>(room / CellWidth + 1);
}

Point targetPoint(int j, int i, int clientWidth, const std::function<int(int row)>& rowBoxes)
{
    const int boxes = j >= 1 ? rowBoxes(j) : 0;
    const long long line = j >= 1 ? firstLine(j, clientWidth, rowBoxes) : j;
    const int left = clientWidth - TargetMargin - rowShift(boxes, clientWidth);
    const int length = lineLength(clientWidth);
    if (boxes <= length || i < 1) return {left + CellWidth * (i - 1), static_cast<int>(80 + CellHeight * line)};
    return {left + CellWidth * ((i - 1) % length), static_cast<int>(80 + CellHeight * (line + (i - 1) / length))};
}

Cell targetCellAt(double x, double y, int clientWidth, const std::function<int(int row)>& rowBoxes)
{
    if (!(y > TargetTop)) return {};
    // The line is Y - 20 rounded half to even, then divided whole by 50
    // (at least 1 here); without rows over several lines, it is the row.
    const long long line = static_cast<long long>(roundHalfEven(y - 20)) / CellHeight;
    int row = 1;
    long long rowLine = 1; // the line of the row's first box
    for (int lines; row < INT16_MAX && line >= rowLine + (lines = linesOf(rowBoxes(row), clientWidth)); ++row)
        rowLine += lines;
    const int boxes = rowBoxes(row);
    const double left = clientWidth - TargetMargin - rowShift(boxes, clientWidth);
    if (!(x > left)) return {};
    double column = std::floor((x - left) / CellWidth) + 1;
    const int length = lineLength(clientWidth);
    if (boxes > length) {
        if (column > length) return {};
        column += static_cast<double>(length) * static_cast<double>(line - rowLine);
    }
    return {row, toInt16(column)};
}

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
    return targetPoint(row, column, clientWidth, [&s](int r) { return boxesInRow(s, r); });
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
