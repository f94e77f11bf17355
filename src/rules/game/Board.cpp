// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "game/Board.h"

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
