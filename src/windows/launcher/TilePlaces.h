// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Where the launcher's genre tiles and their captions lie, in twips, as the
// game was drawn: the genres in rows of four, each row a little right of the
// one above. The controls under the tiles were drawn below two rows; each
// further row moves them, and the window's bottom, a row down.

#include "session/Session.h"
#include "ui/Geometry.h"

#include <QRect>

#include <iterator>

namespace tiles {

inline constexpr int ColumnLeft[] = {270, 2145, 4005, 5880};
inline constexpr int PerRow = static_cast<int>(std::size(ColumnLeft));
inline constexpr int RowIndent = 30, RowStep = 2250, TileTop = 690, CaptionTop = 2400;
inline constexpr int TileWidth = 1755, TileHeight = 1665, CaptionWidth = 1785, CaptionHeight = 225;
inline constexpr int Rows = (GenreCount + PerRow - 1) / PerRow;
inline constexpr int DrawnRows = 2; // the rows the controls below were placed under

constexpr int row(int t)
{
    return t / PerRow;
}
constexpr int left(int t)
{
    return ColumnLeft[t % PerRow] + RowIndent * row(t);
}
// A top of a control below the tiles, drawn for two rows, for the rows there are.
constexpr int belowTiles(int drawnTop)
{
    return drawnTop + RowStep * (Rows - DrawnRows);
}

inline QRect tileRect(int t)
{
    return twipRect(left(t), TileTop + RowStep * row(t), TileWidth, TileHeight);
}
inline QRect captionRect(int t)
{
    return twipRect(left(t), CaptionTop + RowStep * row(t), CaptionWidth, CaptionHeight);
}

} // namespace tiles
