// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The classic sixteen colours as Qt colours.
#include "session/Palette.h"

#include <QColor>

inline QColor paletteColour(int index)
{
    const Rgb c = Palette[index];
    return {c.r, c.g, c.b};
}
