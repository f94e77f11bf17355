// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "game/Play.h"

#include "game/Board.h"
#include "session/Numbers.h"

namespace play {

Press press(Session& s, double x, double y, int clientWidth)
{
    s.TargetRow = 0;
    if (x < board::PoolRight && y > board::PoolTop) {
        const int slot = board::poolSlotAt(x, y);
        if (slot < 1) return Press::Elsewhere;
        s.DragSlot = static_cast<int16_t>(slot);
        const size_t i = static_cast<size_t>(slot - 1);
        if (i < s.PoolRemaining.size() && s.PoolRemaining[i] == ' ') {
            s.DragSlot = 0;
            return Press::NothingToTake;
        }
        if (i >= s.PoolLetters.size() || i >= s.PoolRemaining.size()) {
            s.DragSlot = 0;
            return Press::BeyondPool;
        }
        return Press::PickUp;
    }
    const Cell cell = board::targetCellAt(x, y, clientWidth);
    if (cell.row == 0) return Press::Elsewhere;
    s.TargetRow = static_cast<int16_t>(cell.row);
    s.TargetColumn = static_cast<int16_t>(cell.column);
    if (s.TargetRow > board::rowsInPlay(s)) {
        s.TargetRow = 0;
        return Press::Elsewhere;
    }
    return board::boxExists(s, cell) ? Press::OnBox : Press::Elsewhere;
}

Drop dropTest(Session& s, double x, double y, int clientWidth)
{
    const Cell cell = board::targetCellAt(x, y, clientWidth);
    if (cell.row == 0) return Drop::Outside;
    s.TargetRow = static_cast<int16_t>(cell.row);
    if (s.TargetRow > board::rowsInPlay(s)) return Drop::Outside;
    s.TargetColumn = static_cast<int16_t>(cell.column);
    if (!board::boxExists(s, cell)) return Drop::Outside;
    // The slot must still be in the pool of this round.
    if (!board::carrying(s)) return Drop::Outside;
    return board::boxEmpty(s, cell) ? Drop::Empty : Drop::Occupied;
}

char place(Session& s)
{
    const char letter = board::carriedLetter(s);
    s.PoolRemaining[static_cast<size_t>(s.DragSlot - 1)] = ' ';
    s.BoxRows[static_cast<size_t>(s.TargetRow)][static_cast<size_t>(s.TargetColumn - 1)] = letter;
    return letter;
}

bool checkPlaced(Session& s)
{
    const size_t row = static_cast<size_t>(s.TargetRow);
    const size_t c = static_cast<size_t>(s.TargetColumn - 1);
    const char expected = s.Words[row][c];
    if (s.BoxRows[row][c] != expected) {
        s.markLost(expected);
        return false;
    }
    scoreRightLetter(s);
    return true;
}

Release release(Session& s, double x, double y, int clientWidth)
{
    switch (dropTest(s, x, y, clientWidth)) {
    case Drop::Outside: return Release::Outside;
    case Drop::Occupied: return Release::Occupied;
    case Drop::Empty: break;
    }
    place(s);
    return checkPlaced(s) ? Release::Right : Release::Wrong;
}

void scoreRightLetter(Session& s)
{
    if (s.HelpPercent == 0) s.HelpPercent = 1;
    s.Score = toInt32(static_cast<double>(s.Score) + 300.0 / s.HelpPercent);
}

int32_t withTimeBonus(int32_t score, double elapsedSeconds, size_t letters)
{
    // Within the first second the formula would divide by zero.
    const double seconds = elapsedSeconds < 1 ? 1 : elapsedSeconds;
    return floorToInt32(static_cast<double>(score) + 100 / (seconds / static_cast<double>(letters)));
}

bool boardComplete(const Session& s)
{
    for (int i = 0; i <= board::rowsInPlay(s); ++i) {
        if (s.BoxRows[static_cast<size_t>(i)] != s.Words[static_cast<size_t>(i)]) return false;
    }
    return true;
}

void addTimeBonus(Session& s)
{
    s.Score = withTimeBonus(s.Score, s.ElapsedSeconds, s.PoolLetters.size());
}

std::string scoreCaption(int32_t score)
{
    return "Punti:" + signPlace(score);
}

} // namespace play
