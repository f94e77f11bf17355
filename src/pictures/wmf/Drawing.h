// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The painting side of the player: shapes, text and bitmaps drawn with the
// current device context state onto the canvas, each paid for from its budget.

#include "wmf/Canvas.h"
#include "wmf/Objects.h"

#include <QBrush>
#include <QPainterPath>
#include <QPen>
#include <QSize>
#include <QTransform>

#include <vector>

namespace wmf {

class Drawing {
public:
    // Draws through dc, which the player keeps current; size is the image's.
    Drawing(Canvas& canvas, DcState& dc, QSize size) : canvas_(canvas), dc_(dc), size_(size) {}

    void drawPath(const QPainterPath& path, bool filled);
    // Advances in logical units, one a character, or none for the font's own.
    void drawText(QPointF at, const QString& text, const std::vector<double>& advances, const QRectF* opaque,
                  const QRectF* clip);
    void drawBitmap(const QImage& dib, QRectF target, QRectF source, bool bottomUp);
    void fillBlock(const QRectF& target, uint32_t rop);

private:
    // Mapping of the window onto the picture.
    QTransform mapping() const;
    double scaleX() const;
    double scaleY() const;
    QPen currentPen() const;
    QBrush currentBrush() const;
    // Sets up the painter for a shape within logical bounds; false when the
    // shape costs more than is left.
    bool prepare(const QRectF& logicalBounds, bool filled);

    Canvas& canvas_;
    DcState& dc_;
    QSize size_;
    int textRecords_ = 0;
    qint64 textChars_ = 0;
};

} // namespace wmf
