// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "wmf/Drawing.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace wmf {

namespace {

// Only files that would take unbounded time run out of these. A unit is
// about what covering one device pixel costs.
constexpr double kMinPaintBudget = 2e7; // device pixels all records together may cover
constexpr double kMaxPaintBudget = 2e8;
constexpr double kPaintBudgetPerPixel = 4000;
constexpr double kExtentCost = 20;     // per pixel of a shape's width and height
constexpr double kShapeCost = 500;     // per shape, however small: setting up the painter
constexpr double kOutlineCost = 160;   // per pixel of outline, on a canvas 64 pixels wide
constexpr double kDecodeCost = 4;      // per bitmap pixel decoded
constexpr double kGlyphAreaCost = 3;   // per pixel a character covers
constexpr double kGlyphEdgeCost = 480; // per pixel of a character's width and height

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

bool Canvas::spend(const QRectF& deviceArea, double outline)
{
    const QRectF extent = deviceArea.normalized();
    const QRectF touched = extent.intersected(bounds());
    // Filling an outline costs time with its length, and more so on a wider
    // canvas, even where it covers little: thousands of edges zigzagging
    // across the picture take seconds where shapes that fill it take
    // microseconds.
    const double outlineCost = kOutlineCost * (1 + std::max(image_.width(), image_.height()) / 64.0);
    return charge(touched.width() * touched.height() + kExtentCost * (extent.width() + extent.height()) +
                  outlineCost * outline + kShapeCost);
}

bool Canvas::spendGlyph(const QRectF& deviceBox)
{
    // Large characters are filled from the font's outlines, whatever the
    // canvas's width: a few times slower by the pixel than a shape, and
    // slower with the length of their edges.
    const QRectF box = deviceBox.normalized();
    const QRectF touched = box.intersected(bounds());
    return charge(kGlyphAreaCost * touched.width() * touched.height() +
                  (kExtentCost + kGlyphEdgeCost) * (box.width() + box.height()) + kShapeCost);
}

bool Canvas::charge(double pixels)
{
    budget_ -= pixels;
    return budget_ >= 0;
}

bool Canvas::countRecord()
{
    if (++records_ > MaxRecords) refuse();
    return !exhausted();
}

bool Canvas::countPoints(qint64 points)
{
    if (points > MaxShapePoints || (points_ += points) > MaxPoints) refuse();
    return !exhausted();
}

bool Canvas::countGlyphs(qint64 glyphs)
{
    if ((glyphs_ += glyphs) > MaxGlyphs) refuse();
    return !exhausted();
}

bool Canvas::countDecoded(qint64 pixels)
{
    if ((decoded_ += pixels) > MaxDecodedPixels) refuse();
    return charge(kDecodeCost * double(pixels));
}

bool Canvas::holdObjects(qint64 bytes)
{
    if (bytes > MaxObjectBytes) refuse();
    return !exhausted();
}

QImage Canvas::finish()
{
    painter_.end();
    // Converted where it lies: a second image of a screen's size would double the memory.
    image_.convertTo(QImage::Format_ARGB32);
    image_.setDevicePixelRatio(scale_);
    return std::move(image_);
}

namespace {

constexpr int kMaxTextRecords = 1000; // text beyond these is skipped

} // namespace

QTransform Drawing::mapping() const
{
    const double sx = size_.width() / dc_.windowExtent.width();
    const double sy = size_.height() / dc_.windowExtent.height();
    return QTransform(sx, 0, 0, sy, -dc_.windowOrigin.x() * sx, -dc_.windowOrigin.y() * sy);
}

double Drawing::scaleX() const
{
    return std::abs(size_.width() / dc_.windowExtent.width());
}
double Drawing::scaleY() const
{
    return std::abs(size_.height() / dc_.windowExtent.height());
}

QPen Drawing::currentPen() const
{
    if (dc_.pen.style == Qt::NoPen) return Qt::NoPen;
    // A pen wider than twice the picture covers all of it; wider still only costs time.
    const double widest = 2.0 * std::max(size_.width(), size_.height());
    // The thinnest line is one pixel of the picture, however many of the image.
    const double thinnest = canvas_.scale();
    const double width = std::clamp(dc_.pen.width * (scaleX() + scaleY()) / 2, thinnest, std::max(thinnest, widest));
    QPen pen(dc_.pen.color, width, dc_.pen.style, dc_.pen.cap, dc_.pen.join);
    pen.setCosmetic(true); // already in pixels
    return pen;
}

QBrush Drawing::currentBrush() const
{
    if (!dc_.brush.texture.isNull()) return QBrush(dc_.brush.texture);
    return QBrush(dc_.brush.color, dc_.brush.style);
}

bool Drawing::prepare(const QRectF& logicalBounds, bool filled, double outline)
{
    QPainter& p = canvas_.painter();
    const QTransform t = mapping();
    const QPen pen = currentPen();
    const double margin = pen.style() == Qt::NoPen ? 0 : pen.widthF();
    // A pen wider than a pixel is stroked as a shape of its own, twice as
    // long as the outline and overlapping itself at every corner.
    const double work = outline * (margin > 1 ? 3 : 1);
    if (!canvas_.spend(t.mapRect(logicalBounds).adjusted(-margin, -margin, margin, margin), work)) return false;
    p.setTransform(t);
    p.setPen(pen);
    p.setBrush(filled ? currentBrush() : QBrush(Qt::NoBrush));
    p.setBackground(dc_.backColor);
    p.setBackgroundMode(dc_.opaqueBack ? Qt::OpaqueMode : Qt::TransparentMode);
    return true;
}

void Drawing::drawPath(const QPainterPath& path, bool filled)
{
    double outline = 0; // in image pixels
    const double sx = scaleX(), sy = scaleY();
    for (int i = 1; i < path.elementCount(); ++i) {
        const QPainterPath::Element a = path.elementAt(i - 1), b = path.elementAt(i);
        outline += std::abs(b.x - a.x) * sx + std::abs(b.y - a.y) * sy;
    }
    if (prepare(path.controlPointRect(), filled, outline)) canvas_.painter().drawPath(path);
}

void Drawing::drawText(QPointF at, const QString& text, const std::vector<double>& advances, const QRectF* opaque,
                       const QRectF* clip)
{
    if (++textRecords_ > kMaxTextRecords) return;
    QPainter& p = canvas_.painter();
    const QTransform t = mapping();
    p.save();
    p.resetTransform();
    if (clip) p.setClipRect(t.mapRect(*clip));
    if (opaque && canvas_.spend(t.mapRect(*opaque))) p.fillRect(t.mapRect(*opaque), dc_.backColor);

    const Font& f = dc_.font;
    const double pixels = f.height < 0   ? -f.height * scaleY()
                          : f.height > 0 ? f.height * scaleY() * 0.87
                                         : 12 * canvas_.scale();
    QFont font(f.face);
    const double tallest = 2.0 * std::max(size_.width(), size_.height());
    font.setPixelSize(static_cast<int>(std::clamp(std::round(pixels), 1.0, tallest)));
    font.setWeight(static_cast<QFont::Weight>(f.weight <= 0 ? 400 : std::clamp(f.weight, 1, 1000)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    const QFontMetricsF metrics(font);

    double width = 0;
    if (advances.empty()) width = metrics.horizontalAdvance(text);
    else
        for (double a : advances) width += a * scaleX();
    const bool updatePosition = dc_.textAlign & U_TA_UPDATECP;
    const QPointF anchor = t.map(updatePosition ? dc_.position : at);
    double left = 0;
    if ((dc_.textAlign & U_TA_CENTER) == U_TA_CENTER) left = -width / 2;
    else if (dc_.textAlign & U_TA_RIGHT) left = -width;
    double baseline = metrics.ascent();
    if ((dc_.textAlign & U_TA_BASELINE) == U_TA_BASELINE) baseline = 0;
    else if (dc_.textAlign & U_TA_BOTTOM) baseline = -metrics.descent();

    p.translate(anchor);
    p.rotate(-f.escapement / 10.0);
    const QRectF cell(left, baseline - metrics.ascent(), width, metrics.height());
    if (canvas_.spend(p.transform().mapRect(cell)) &&
        payGlyphs(p, text, advances, left, baseline - metrics.ascent(), metrics)) {
        if (dc_.opaqueBack) p.fillRect(cell, dc_.backColor);
        p.setFont(font);
        p.setPen(dc_.textColor);
        if (advances.empty()) {
            p.drawText(QPointF(left, baseline), text);
        } else {
            double x = left;
            for (qsizetype i = 0; i < text.size() && i < qsizetype(advances.size()); ++i) {
                p.drawText(QPointF(x, baseline), QString(text[i]));
                x += advances[i] * scaleX();
            }
        }
    }
    p.restore();
    if (updatePosition) dc_.position += QPointF(width / scaleX(), 0);
}

bool Drawing::payGlyphs(const QPainter& p, const QString& text, const std::vector<double>& advances, double left,
                        double top, const QFontMetricsF& metrics)
{
    // Each character is drawn at its own place: with advances of 0 all of
    // them fall on one another, and each still costs its full size.
    const qsizetype drawn = advances.empty() ? text.size() : std::min(text.size(), qsizetype(advances.size()));
    if (!canvas_.countGlyphs(drawn)) return false;
    double x = left;
    for (qsizetype i = 0; i < drawn; ++i) {
        const double own = metrics.horizontalAdvance(text[i]);
        const QRectF glyph(x, top, std::max(own, 1.0), metrics.height());
        if (!canvas_.spendGlyph(p.transform().mapRect(glyph))) return false;
        x += advances.empty() ? own : advances[size_t(i)] * scaleX();
    }
    return true;
}

void Drawing::drawBitmap(const QImage& dib, QRectF target, QRectF source, bool bottomUp)
{
    if (dib.isNull() || !canvas_.charge(double(dib.width()) * dib.height())) return;
    if (target.width() == 0 || target.height() == 0) return;
    // Rows of a bottom-up bitmap count from its last line.
    if (bottomUp) source.moveTop(dib.height() - source.top() - source.height());
    source = source.normalized().intersected(QRectF(QPointF(0, 0), dib.size()));
    if (source.isEmpty()) return;
    // The whole bitmap is drawn as it is, not copied first.
    const QRect part = source.toAlignedRect();
    QImage picture = part == dib.rect() ? dib : dib.copy(part);
    const bool flipX = target.width() < 0, flipY = target.height() < 0;
    if (flipX || flipY) picture = picture.mirrored(flipX, flipY);
    target = target.normalized();
    if (!prepare(target, false)) return;
    canvas_.painter().drawImage(target, picture);
}

void Drawing::fillBlock(const QRectF& target, uint32_t rop)
{
    QBrush fill;
    if (rop == U_PATCOPY) fill = currentBrush();
    else if (rop == U_BLACKNESS) fill = QBrush(Qt::black);
    else if (rop == U_WHITENESS) fill = QBrush(Qt::white);
    else return;
    if (!prepare(target, false)) return;
    canvas_.painter().fillRect(target, fill);
}

} // namespace wmf
