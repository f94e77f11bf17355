// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The painting side of the player: shapes, text and bitmaps drawn with the
// current device context state onto the canvas, each paid for from its budget.

#include "wmf/Objects.h"

#include <QBrush>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QSize>
#include <QTransform>

#include <vector>

// The image being drawn, and what drawing on it may still cost.

namespace wmf {

class Canvas {
public:
    // The largest side, in image pixels, a picture is drawn at.
    static constexpr int MaxSide = 4096;
    // Work far past what a genre picture needs (ours have some 200 records
    // and 900 points, the largest shape 48): a picture that asks for more is
    // refused before it is drawn, however small its place.
    static constexpr int MaxShapePoints = 8192;   // one polygon, polyline or set of polygons
    static constexpr qint64 MaxPoints = 65536;    // all shapes together
    static constexpr qint64 MaxRecords = 1 << 17; // twice what the object table holds
    // Ours draw a few dozen characters and no bitmap larger than themselves.
    static constexpr qint64 MaxGlyphs = 8192;           // characters drawn, all texts together
    static constexpr qint64 MaxDecodedPixels = 1 << 21; // bitmaps decoded, all together, counted from their headers
    static constexpr qint64 MaxObjectBytes = 4 << 20; // the object table at any moment: its slots and brushes' bitmaps

    // Transparent, `size` window pixels at scale image pixels to each, with
    // a budget that grows with the image's area.
    explicit Canvas(QSize size, double scale = 1.0);

    bool ready() const { return painter_.isActive(); }
    QPainter& painter() { return painter_; }
    // In image pixels, which the records are mapped onto.
    QRectF bounds() const { return QRectF(QPointF(0, 0), image_.size()); }
    double scale() const { return scale_; }
    bool exhausted() const { return budget_ < 0; }

    // Charges the pixels an operation can touch, its extent and the length
    // of its outline: outlines far larger than the picture, or long ones,
    // cost time to flatten, clip and fill even where nothing of them shows.
    // False once the budget is spent.
    bool spend(const QRectF& deviceArea, double outline = 0);
    bool charge(double pixels);
    // One character, its box turned as it is drawn.
    bool spendGlyph(const QRectF& deviceBox);
    // Counts a record, and the points of a shape about to be drawn; false,
    // and the budget spent, past the limits above.
    bool countRecord();
    bool countPoints(qint64 points);
    // The same for characters about to be drawn, and for a bitmap about to
    // be decoded (which is paid for by its pixels too); and the memory the
    // object table now holds.
    bool countGlyphs(qint64 glyphs);
    bool countDecoded(qint64 pixels);
    bool holdObjects(qint64 bytes);
    // Spends what is left: the picture is refused.
    void refuse() { budget_ = -1; }

    QImage finish();

private:
    double scale_;
    QImage image_;
    QPainter painter_;
    double budget_;
    qint64 records_ = 0;
    qint64 points_ = 0;
    qint64 glyphs_ = 0;
    qint64 decoded_ = 0;
};

class Drawing {
public:
    // Draws through dc, which the player keeps current; size is the whole
    // picture's in image pixels (the canvas may show only part of it).
    Drawing(Canvas& canvas, DcState& dc, QSizeF size) : canvas_(canvas), dc_(dc), size_(size) {}

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
    // Sets up the painter for a shape within logical bounds, with an outline
    // this long in image pixels; false when the shape costs more than is left.
    bool prepare(const QRectF& logicalBounds, bool filled, double outline = 0);
    // Pays for each character as drawn: its own cell, turned as the font is.
    bool payGlyphs(const QPainter& p, const QString& text, const std::vector<double>& advances, double left, double top,
                   const QFontMetricsF& metrics);

    Canvas& canvas_;
    DcState& dc_;
    QSizeF size_;
    int textRecords_ = 0;
};

} // namespace wmf
