// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "gamewindow/PictureBox.h"

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
