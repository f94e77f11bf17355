// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/Fonts.h"

#include <cmath>

void installFontSubstitutions()
{
    QFont::insertSubstitution("Courier New", "Liberation Mono");
    for (const char* face : {"Arial", "Tahoma", "MS Sans Serif"}) QFont::insertSubstitution(face, "Liberation Sans");
}

QFont gameFont(const QString& family, double points, bool bold, bool underline)
{
    QFont f(family);
    f.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}
