// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The colours of the windows: the classic sixteen and the game's palette,
// whatever the desktop's theme.

#include <QColor>
#include <QPalette>
#include <QWidget>

#include <cstdint>
#include <initializer_list>
#include <utility>

// The classic sixteen colours, addressed by index 0..15.

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb Palette[16] = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                                    {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                                    {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                                    {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};

inline QColor paletteColour(int index)
{
    const Rgb c = Palette[index];
    return {c.r, c.g, c.b};
}

// The colours the game's windows are drawn in whatever the desktop's theme:
// every role in every state, as Qt's Fusion style has them on a desktop with
// no theme (Qt 6.4's). The windows (and their menus) take it whole, so a dark or
// high-contrast theme changes nothing of them; the desktop's message and
// input boxes go on following the theme.
QPalette gamePalette();

// Gives the widget these colours, each for its role, over those of the window
// it lies in (a window over the game's palette, never the desktop's).
inline void setColours(QWidget* widget, std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colours)
{
    QWidget* parent = widget->parentWidget();
    QPalette pal = widget->isWindow() || !parent ? gamePalette() : parent->palette();
    for (const auto& [role, colour] : colours) pal.setColor(role, colour);
    widget->setPalette(pal);
}

// Some desktops restyle programs with an application style sheet, which
// would override any palette: each widget of the launcher is
// given a sheet of its own that restates its colours and asks for no
// background of the sheet's, so the window is drawn as without one. Called
// once the window's widgets are made.
void keepColoursUnderStyleSheets(QWidget& window);
