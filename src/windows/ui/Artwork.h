// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The pictures compiled into the program (drawn by tools/make_artwork).

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace Artwork {
QIcon windowIcon();   // 32 x 32
QPixmap hand();       // 32 x 32 monochrome, index finger up
QCursor handCursor(); // the hand with its hot spot on the fingertip (12, 6)
QPixmap emblem();     // 90 x 114, two overlapping letter cards
QPixmap flag();       // 60 x 47, the tricolour waving, transparent around
} // namespace Artwork
