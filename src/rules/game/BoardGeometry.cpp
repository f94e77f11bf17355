// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "game/BoardGeometry.h"

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
