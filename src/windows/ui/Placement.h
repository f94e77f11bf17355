// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Where windows stand: centred on the screen when they load, on their outer
// size (the frame included), and in front of the others.
#include <QScreen>
#include <QWidget>

#include <cmath>

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
