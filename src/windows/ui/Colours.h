// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Colours of the windows: the classic sixteen as Qt colours, and a widget's
// own colours.
#include "ui/Palette.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

#include <initializer_list>
#include <utility>

inline QColor paletteColour(int index)
{
    const Rgb c = Palette[index];
    return {c.r, c.g, c.b};
}

// Gives the widget these colours, each for its role; the other roles keep theirs.
inline void setColours(QWidget* widget, std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colours)
{
    QPalette pal = widget->palette();
    for (const auto& [role, colour] : colours) pal.setColor(role, colour);
    widget->setPalette(pal);
}
