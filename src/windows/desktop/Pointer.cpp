// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/Pointer.h"

#include <QGuiApplication>

void QtPointer::set(PointerShape shape)
{
    if (shape == shape_) return;
    QCursor cursor = shape == PointerShape::Hand ? hand_ : QCursor(Qt::ArrowCursor);
    if (shape == PointerShape::Neutral) {
        while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    } else if (shape_ == PointerShape::Neutral) {
        QGuiApplication::setOverrideCursor(cursor);
    } else {
        QGuiApplication::changeOverrideCursor(cursor);
    }
    shape_ = shape;
}
