// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "gamewindow/DragTile.h"

#include "desktop/Text.h"
#include "ui/Colours.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QPainter>

DragTile::DragTile(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(true);
    setColours(this, {{QPalette::Window, QColor(255, 255, 0)}});
    setFont(gameFont("Courier New", 24, true));
}

void DragTile::showLetter(char letter)
{
    letter_ = letter;
    update();
}

void DragTile::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(255, 255, 0));
    const QString text = toUnicode(std::string(1, letter_));
    const QFontMetricsF fm(font());
    // Centred the way the tile measures its text: advance and line height.
    const double left = width() / 2.0 - fm.horizontalAdvance(text) / 2.0;
    const double top = height() / 2.0 - fm.height() / 2.0;
    p.setFont(font());
    p.setPen(QApplication::palette().color(QPalette::WindowText));
    p.drawText(QPointF(left, top + fm.ascent()), text);
}
