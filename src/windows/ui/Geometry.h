// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Where the windows' parts stand: twips, and placement on the screen.

#include <QLabel>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <cmath>

// The windows were laid out in twips; at 96 dots per inch 15 twips make a pixel.

constexpr int TwipsPerPixel = 15;
constexpr int px(int twips)
{
    return twips / TwipsPerPixel;
}
inline QRect twipRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// Where windows stand: centred on the screen when they load, on their outer
// size (the frame included), and in front of the others.

inline void centreOnScreen(QWidget& window, QScreen* screen)
{
    if (!screen) return;
    // The frame's size is known only once the window exists on the desktop;
    // before, the frame would count as nothing.
    window.winId();
    const QRect area = screen->geometry();
    const QSize outer = window.frameGeometry().size();
    window.move(area.x() + static_cast<int>(std::lround((area.width() - outer.width()) / 2.0)),
                area.y() + static_cast<int>(std::lround((area.height() - outer.height()) / 2.0)));
}

// The same, and again once the window manager has framed the window, which
// may come after it shows (a frame not known yet counts as nothing): while
// its frame's size is still new, within seconds of the showing, so a
// window the player has moved since stays where it was put.
void centreOnScreenOnceFramed(QWidget& window, QScreen* screen);

// The window shown over the others, with the focus.
inline void bringToFront(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

// A child shown over its siblings.
inline void showInFront(QWidget& child)
{
    child.show();
    child.raise();
}

// Gives the label the place `place`, widened as far as its whole text
// needs: about its centre for a centred label, else to the right first; it
// stays within a window this wide. Set the text and font first.
void placeWhole(QLabel& label, QRect place, int windowWidth);
