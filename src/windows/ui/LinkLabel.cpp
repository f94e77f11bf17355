// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/LinkLabel.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent)
{
    setMouseTracking(true);
}

void LinkLabel::mouseMoveEvent(QMouseEvent* e)
{
    emit mouseMoved();
    e->accept();
}

void LinkLabel::mousePressEvent(QMouseEvent* e)
{
    clicks_.press(e);
    e->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    if (clicks_.release(e, this)) emit clicked();
}
