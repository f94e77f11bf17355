// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "gamewindow/Form2Controls.h"

#include "ui/Fonts.h"
#include "desktop/Text.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const QImage& picture, RatioPicture::Draw again)
{
    picture_ = RatioPicture(picture, std::move(again));
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    const QImage& picture = picture_.at(devicePixelRatioF());
    if (picture.isNull()) return;
    QPainter p(this);
    p.drawImage(0, 0, picture);
}

void PictureBox::mousePressEvent(QMouseEvent* e)
{
    e->accept(); // a press on the picture is the picture's, never the board's
    if (onPress) onPress(e);
}

DragTile::DragTile(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 0));
    setPalette(pal);
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

QSize LineRows::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(option.fontMetrics.height());
    return size;
}
