// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The image being drawn, and what drawing on it may still cost.

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>

namespace wmf {

class Canvas {
public:
    // The largest side, in image pixels, a picture is drawn at.
    static constexpr int MaxSide = 4096;

    // Transparent, scale image pixels to the picture's pixel, with a budget
    // that grows with the image's area.
    explicit Canvas(QSize size, double scale = 1.0);

    bool ready() const { return painter_.isActive(); }
    QPainter& painter() { return painter_; }
    // In image pixels, which the records are mapped onto.
    QRectF bounds() const { return QRectF(QPointF(0, 0), image_.size()); }
    double scale() const { return scale_; }
    bool exhausted() const { return budget_ < 0; }

    // Charges the pixels an operation can touch, and its extent: outlines
    // far larger than the picture cost time to flatten and clip even where
    // nothing of them shows. False once the budget is spent.
    bool spend(const QRectF& deviceArea);
    bool charge(double pixels);

    QImage finish();

private:
    double scale_;
    QImage image_;
    QPainter painter_;
    double budget_;
};

} // namespace wmf
