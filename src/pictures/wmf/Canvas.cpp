// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "wmf/Canvas.h"

#include <algorithm>

namespace wmf {

namespace {

// Only files that would take unbounded time run out of these.
constexpr double kMinPaintBudget = 2e7; // device pixels all records together may cover
constexpr double kMaxPaintBudget = 5e8;
constexpr double kPaintBudgetPerPixel = 4000;
constexpr double kExtentCost = 20; // budget per pixel of a shape's width and height

} // namespace

Canvas::Canvas(QSize size, double scale)
    : scale_(scale), image_((QSizeF(size) * scale).toSize(), QImage::Format_ARGB32_Premultiplied),
      budget_(std::clamp(kPaintBudgetPerPixel * image_.width() * image_.height(), kMinPaintBudget, kMaxPaintBudget))
{
    if (image_.isNull()) return;
    image_.fill(Qt::transparent);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    // Bitmaps stretch without smoothing, pixel for pixel as Windows does.
}

bool Canvas::spend(const QRectF& deviceArea)
{
    const QRectF extent = deviceArea.normalized();
    const QRectF touched = extent.intersected(bounds());
    return charge(touched.width() * touched.height() + kExtentCost * (extent.width() + extent.height()) + 1);
}

bool Canvas::charge(double pixels)
{
    budget_ -= pixels;
    return budget_ >= 0;
}

QImage Canvas::finish()
{
    painter_.end();
    QImage done = image_.convertToFormat(QImage::Format_ARGB32);
    done.setDevicePixelRatio(scale_);
    return done;
}

} // namespace wmf
