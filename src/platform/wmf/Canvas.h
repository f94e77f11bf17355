#pragma once
// The image being drawn, and what drawing on it may still cost.

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>

namespace wmf {

class Canvas {
public:
    // Transparent, with a budget that grows with the picture's area.
    explicit Canvas(QSize size);

    bool ready() const { return painter_.isActive(); }
    QPainter& painter() { return painter_; }
    QRectF bounds() const { return QRectF(QPointF(0, 0), image_.size()); }
    bool exhausted() const { return budget_ < 0; }

    // Charges the pixels an operation can touch, and its extent: outlines
    // far larger than the picture cost time to flatten and clip even where
    // nothing of them shows. False once the budget is spent.
    bool spend(const QRectF& deviceArea);
    bool charge(double pixels);

    QImage finish();

private:
    QImage image_;
    QPainter painter_;
    double budget_;
};

}  // namespace wmf
