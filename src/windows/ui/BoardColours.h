// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The game board's colours, each by what it paints: every stroke of the board
// and every control laid on it asks for its role here, so another look of the
// board (a high-contrast one, say) is a change of this table alone.

#include "ui/Colours.h"

#include <QColor>

#include <cstddef>
#include <iterator>

enum class BoardRole {
    Background,        // the board where nothing is drawn
    PoolFill,          // a pool slot, with or without its letter
    PoolOutline,       //
    PoolLetter,        // the letters of the pool, and those printed after them
    FirstInk,          // what a letter printed before any pool letter is drawn in
    EmptyBoxFill,      // a box of a word still to find
    EmptyBoxOutline,   //
    ShownBoxFill,      // a box whose letter is given
    ShownBoxOutline,   //
    PlacedBar,         // the frame round a letter the player placed
    PlacedFill,        //
    PlacedOutline,     //
    Cursor,            // the keyboard's frame: stands out from the board and every box
    DragTile,          // the tile under the pointer while a letter is dragged
    DragLetter,        // its letter
    GenreLabel,        // the genre's name beside its picture
    RoundLabel,        // the line under the genre
    ScoreLabel,        // the score
    LabelText,         // the three labels' text
    RecordsBackground, // the list of records
    RecordsText,       //
};

namespace board_colours {

constexpr QColor classic(int index)
{
    return {Palette[index].r, Palette[index].g, Palette[index].b};
}

// In BoardRole's order.
inline constexpr QColor Table[] = {
    {255, 255, 255}, // Background
    classic(14),     // PoolFill
    classic(1),      // PoolOutline
    {1, 0, 0},       // PoolLetter: practically black
    {255, 0, 0},     // FirstInk
    classic(7),      // EmptyBoxFill
    classic(1),      // EmptyBoxOutline
    classic(11),     // ShownBoxFill
    classic(3),      // ShownBoxOutline
    classic(4),      // PlacedBar
    classic(11),     // PlacedFill
    classic(5),      // PlacedOutline
    {255, 0, 0},     // Cursor
    {255, 255, 0},   // DragTile
    {0, 0, 0},       // DragLetter
    {255, 128, 128}, // GenreLabel
    {255, 255, 255}, // RoundLabel
    {0, 192, 0},     // ScoreLabel
    {0, 0, 0},       // LabelText
    {255, 255, 0},   // RecordsBackground
    {0, 0, 192},     // RecordsText
};
static_assert(std::size(Table) == static_cast<std::size_t>(BoardRole::RecordsText) + 1, "one colour for each role");

} // namespace board_colours

constexpr QColor boardColour(BoardRole role)
{
    return board_colours::Table[static_cast<std::size_t>(role)];
}
