// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "game/Play.h"

#include "game/Board.h"
#include "session/Cp1252.h"
#include "session/Numbers.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace play {

Press take(Session& s, int slot)
{
    s.TargetRow = 0;
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

Press pressBox(Session& s, Cell box)
{
    s.TargetRow = 0;
    if (box.row == 0) return Press::Elsewhere;
    s.TargetRow = static_cast<int16_t>(box.row);
    s.TargetColumn = static_cast<int16_t>(box.column);
    if (s.TargetRow > board::rowsInPlay(s)) {
        s.TargetRow = 0;
        return Press::Elsewhere;
    }
    return board::boxExists(s, box) ? Press::OnBox : Press::Elsewhere;
}

Drop dropTest(Session& s, Cell box)
{
    if (box.row == 0) return Drop::Outside;
    s.TargetRow = static_cast<int16_t>(box.row);
    if (s.TargetRow > board::rowsInPlay(s)) return Drop::Outside;
    s.TargetColumn = static_cast<int16_t>(box.column);
    if (!board::boxExists(s, box)) return Drop::Outside;
    // The slot must still be in the pool of this round.
    if (!board::carrying(s)) return Drop::Outside;
    return board::boxEmpty(s, box) ? Drop::Empty : Drop::Occupied;
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

Release dropAt(Session& s, int row, int column)
{
    switch (dropTest(s, {row, column})) {
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
    s.Score = toInt32(static_cast<double>(s.Score) + static_cast<double>(RightLetterPoints) / s.HelpPercent);
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

double elapsedSeconds(double now, double start)
{
    const double e = std::floor(now - start);
    return std::isfinite(e) && e > 0 ? e : 0;
}

std::string clockCaption(double elapsedSeconds)
{
    const long long minutes = floorToInt32(elapsedSeconds / 60);
    const long long seconds = toInt32(elapsedSeconds) % 60;
    return "Min." + signPlace(minutes) + "  Sec." + signPlace(seconds);
}

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
