// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The game's one icon: two letter tiles, P and X, yellow with a dark-blue
// edge and a black letter as the board draws them, the second a step lower as
// if being laid. A white rim round each tile keeps the shape on a dark panel,
// the dark-blue edge on a light one. The window icon (make_artwork) and the
// menu icons (make_icons) are both drawn here.

#include <QImage>
#include <QString>

namespace parolix_icon {

// The icon at size x size pixels: 16, 22 and 24 drawn pixel by pixel with
// letters made for them, larger sizes from the outlines.
QImage draw(int size);

// The same shapes as an SVG on a 256 x 256 square.
QString svg();

} // namespace parolix_icon
