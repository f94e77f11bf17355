// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "wmf/Player.h"

#include "wmf/Dib.h"

#include <QPolygonF>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace wmf {

Player::Player(const Frame& frame, Canvas& canvas, QSizeF drawn)
    : canvas_(canvas), objects_(frame.objects), drawing_(canvas, dc_, drawn)
{
    dc_.windowOrigin = frame.window.topLeft();
    dc_.windowExtent = frame.window.size();
}

void Player::play(const Record& r)
{
    if (!canvas_.countRecord()) return;
    if (r.size < minimumSize(r.type)) {
        // A damaged create still takes its slot, or every later index would shift.
        if (createsObject(r.type)) objects_.add(Placeholder{});
    } else if (!(setState(r) || drawLine(r) || drawFigure(r) || drawTextOrBitmap(r) || keepObject(r)) &&
               createsObject(r.type)) {
        objects_.add(Placeholder{}); // records we do not draw
    }
    // What the table holds is paid for as long as it holds it.
    if (createsObject(r.type)) canvas_.holdObjects(objects_.bytes());
}

bool Player::setState(const Record& r)
{
    // Every field is read from the record's bytes, which hold at least the
    // record's smallest size (play checked it); parameters start at byte 6.
    const char* d = r.data + U_SIZE_METARECORD;
    // The first word, for the records that have one (a SaveDC has none).
    auto value = [d] { return u16At(d); };
    switch (r.type) {
    case U_WMR_SETBKCOLOR: dc_.backColor = colorAt(d); return true;
    case U_WMR_SETTEXTCOLOR: dc_.textColor = colorAt(d); return true;
    case U_WMR_SETBKMODE:
        if (value() == U_TRANSPARENT || value() == U_OPAQUE) dc_.opaqueBack = value() == U_OPAQUE;
        return true;
    case U_WMR_SETPOLYFILLMODE:
        if (value() == U_ALTERNATE || value() == U_WINDING)
            dc_.fillRule = value() == U_WINDING ? Qt::WindingFill : Qt::OddEvenFill;
        return true;
    case U_WMR_SETTEXTALIGN: dc_.textAlign = value(); return true;
    case U_WMR_SETWINDOWORG: dc_.windowOrigin = yxAt(d); return true;
    case U_WMR_SETWINDOWEXT: {
        const QPointF extent = yxAt(d);
        if (extent.x() != 0 && extent.y() != 0)
            dc_.windowExtent = QSizeF(extent.x(), extent.y()); // an empty window maps nothing
        return true;
    }
    case U_WMR_MOVETO: dc_.position = yxAt(d); return true;
    case U_WMR_SAVEDC: saved_.save(dc_); return true;
    case U_WMR_RESTOREDC: saved_.restore(s16At(d), dc_); return true;
    default: return false;
    }
}

bool Player::drawLine(const Record& r)
{
    switch (r.type) {
    case U_WMR_LINETO: {
        const QPointF to = yxAt(r.data + U_SIZE_METARECORD);
        QPainterPath line(dc_.position);
        line.lineTo(to);
        drawing_.drawPath(line, false);
        dc_.position = to;
        return true;
    }
    case U_WMR_POLYGON: polygon(r, true); return true;
    case U_WMR_POLYLINE: polygon(r, false); return true;
    case U_WMR_POLYPOLYGON: polyPolygon(r); return true;
    default: return false;
    }
}

bool Player::drawFigure(const Record& r)
{
    // Rectangles and ellipses give their box; a rounded rectangle first the
    // corner's height and width; arcs, pies and chords first the points
    // where they end and start.
    const char* d = r.data + U_SIZE_METARECORD;
    QPainterPath path;
    bool filled = true;
    switch (r.type) {
    case U_WMR_RECTANGLE: path.addRect(boxAt(d)); break;
    case U_WMR_ROUNDRECT: {
        const QSizeF corner = heightWidthAt(d);
        const QRectF rect = boxAt(d + 4);
        path.addRoundedRect(rect, std::min(std::abs(corner.width()) / 2.0, rect.width() / 2),
                            std::min(std::abs(corner.height()) / 2.0, rect.height() / 2));
        break;
    }
    case U_WMR_ELLIPSE: path.addEllipse(boxAt(d)); break;
    case U_WMR_ARC:
    case U_WMR_PIE:
    case U_WMR_CHORD:
        path = arcPath(boxAt(d + 8), yxAt(d + 4), yxAt(d), r.type);
        filled = r.type != U_WMR_ARC;
        break;
    default: return false;
    }
    drawing_.drawPath(path, filled);
    return true;
}

bool Player::drawTextOrBitmap(const Record& r)
{
    switch (r.type) {
    case U_WMR_TEXTOUT: textOut(r); return true;
    case U_WMR_EXTTEXTOUT: extTextOut(r); return true;
    case U_WMR_STRETCHDIB: stretchDib(r); return true;
    case U_WMR_DIBSTRETCHBLT: dibBlt(r, true); return true;
    case U_WMR_DIBBITBLT: dibBlt(r, false); return true;
    case U_WMR_PATBLT: {
        // Raster operation, height and width, y and x.
        const char* d = r.data + U_SIZE_METARECORD;
        drawing_.fillBlock(QRectF(yxAt(d + 8), heightWidthAt(d + 4)).normalized(), u32At(d));
        return true;
    }
    default: return false;
    }
}

bool Player::keepObject(const Record& r)
{
    const char* d = r.data + U_SIZE_METARECORD;
    switch (r.type) {
    case U_WMR_SELECTOBJECT: dc_.select(objects_.find(u16At(d))); return true;
    case U_WMR_DELETEOBJECT: objects_.remove(u16At(d)); return true;
    case U_WMR_CREATEPENINDIRECT: objects_.add(penFrom(d)); return true;
    case U_WMR_CREATEBRUSHINDIRECT: objects_.add(brushFrom(d)); return true;
    case U_WMR_CREATEFONTINDIRECT: createFont(r); return true;
    case U_WMR_DIBCREATEPATTERNBRUSH: createPatternBrush(r); return true;
    default: return false;
    }
}

QPainterPath Player::arcPath(const QRectF& box, QPointF from, QPointF to, uint8_t kind) const
{
    // The radials through the two points cut the ellipse where the figure
    // starts and ends; it runs counter-clockwise between them.
    const QPointF c = box.center();
    const double rx = box.width() / 2, ry = box.height() / 2;
    auto angle = [&](QPointF p) {
        if (rx <= 0 || ry <= 0) return 0.0;
        return qRadiansToDegrees(std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx));
    };
    const double start = angle(from);
    double sweep = std::fmod(angle(to) - start, 360.0);
    if (sweep <= 0) sweep += 360;
    QPainterPath path;
    if (kind == U_WMR_PIE) {
        path.moveTo(c);
        path.arcTo(box, start, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(box, start);
        path.arcTo(box, start, sweep);
        if (kind == U_WMR_CHORD) path.closeSubpath();
    }
    path.setFillRule(dc_.fillRule);
    return path;
}

void Player::polygon(const Record& r, bool closed)
{
    // The number of points, then x and y of each.
    const uint16_t count = u16At(r.data + 6);
    const char* data = r.data + 8;
    if (count < 2 || !r.holds(8, uint64_t(count) * 4) || !canvas_.countPoints(count)) return;
    QPolygonF points;
    points.reserve(count);
    for (int i = 0; i < count; ++i) points.append(QPointF(s16At(data + 4 * i), s16At(data + 4 * i + 2)));
    QPainterPath path;
    path.addPolygon(points);
    if (closed) path.closeSubpath();
    path.setFillRule(dc_.fillRule);
    drawing_.drawPath(path, closed);
}

void Player::polyPolygon(const Record& r)
{
    // nPolys, then that many point counts, then all the points.
    const uint16_t polygons = u16At(r.data + 6);
    if (polygons == 0 || !r.holds(8, uint64_t(polygons) * 2)) return;
    uint64_t total = 0;
    for (int i = 0; i < polygons; ++i) total += u16At(r.data + 8 + 2 * i);
    const uint64_t pointsAt = 8 + uint64_t(polygons) * 2;
    if (!r.holds(pointsAt, total * 4) || !canvas_.countPoints(qint64(total))) return;
    const char* points = r.data + pointsAt;
    QPainterPath path;
    uint64_t next = 0;
    for (int i = 0; i < polygons; ++i) {
        const uint16_t count = u16At(r.data + 8 + 2 * i);
        QPolygonF polygon;
        polygon.reserve(count);
        for (uint16_t k = 0; k < count; ++k, ++next)
            polygon.append(QPointF(s16At(points + 4 * next), s16At(points + 4 * next + 2)));
        if (count >= 2) {
            path.addPolygon(polygon);
            path.closeSubpath();
        }
    }
    path.setFillRule(dc_.fillRule);
    drawing_.drawPath(path, true);
}

void Player::textOut(const Record& r)
{
    // Length, the string padded to an even size, then y and x.
    const int16_t length = s16At(r.data + 6);
    if (length < 0 || !r.holds(8, uint64_t(length + (length & 1)) + 4)) return;
    const QPointF at = yxAt(r.data + 8 + length + (length & 1));
    drawing_.drawText(at, fromCp1252(r.data + 8, length), {}, nullptr, nullptr);
}

void Player::extTextOut(const Record& r)
{
    // y, x, length, options, an optional rectangle, the string, optional advances.
    const int16_t length = s16At(r.data + 10);
    const uint16_t options = u16At(r.data + 12);
    const bool hasRect = options & (U_ETO_OPAQUE | U_ETO_CLIPPED);
    const uint64_t textAt = U_SIZE_WMREXTTEXTOUT + (hasRect ? U_SIZE_RECT16 : 0);
    if (length < 0 || !r.holds(textAt, uint64_t(length))) return;
    std::vector<double> advances;
    const uint64_t dxAt = textAt + uint64_t(length + (length & 1));
    if (length > 0 && r.holds(dxAt, uint64_t(length) * 2)) {
        advances.reserve(length);
        for (int i = 0; i < length; ++i) advances.push_back(s16At(r.data + dxAt + 2 * i));
    }
    const QRectF rect = hasRect ? rectAt(r.data + U_SIZE_WMREXTTEXTOUT) : QRectF();
    drawing_.drawText(yxAt(r.data + 6), fromCp1252(r.data + textAt, length), advances,
                      (options & U_ETO_OPAQUE) ? &rect : nullptr, (options & U_ETO_CLIPPED) ? &rect : nullptr);
}

void Player::stretchDib(const Record& r)
{
    const uint64_t dibAt = offsetof(U_WMRSTRETCHDIB, dib);
    if (!r.holds(dibAt, 40) || u16At(r.data + 10) != U_DIB_RGB_COLORS) return;
    const QImage dib = decode(r.data + dibAt, r.size - dibAt); // every byte checked against the record
    if (dib.isNull()) return;
    // Raster operation, colour usage, then source height, width, y, x and
    // the same of the destination, before the bitmap.
    const char* d = r.data + U_SIZE_METARECORD;
    drawing_.drawBitmap(dib, QRectF(yxAt(d + 18), heightWidthAt(d + 14)), QRectF(yxAt(d + 10), heightWidthAt(d + 6)),
                        s32At(r.data + dibAt + 8) > 0);
}

void Player::dibBlt(const Record& r, bool stretch)
{
    // Raster operation; a stretch gives the source's height and width, y and
    // x, a plain blit its y and x alone; one unused word when no bitmap
    // follows; then the destination's height and width, y and x.
    const auto xb = static_cast<uint8_t>(r.data[5]);
    const bool hasBitmap = !U_TEST_NOPXB(r.size, xb);
    const char* d = r.data + U_SIZE_METARECORD;
    const int src = 4;
    const int dst = (stretch ? 12 : 8) + (hasBitmap ? 0 : 2);
    // The destination is read only once the record is known to hold it.
    const auto destination = [&] { return QRectF(yxAt(d + dst + 4), heightWidthAt(d + dst)); };
    if (!hasBitmap) {
        if (r.size < (stretch ? U_SIZE_WMRDIBSTRETCHBLT_NOPX : U_SIZE_WMRDIBBITBLT_NOPX)) return;
        drawing_.fillBlock(destination().normalized(), u32At(d));
        return;
    }
    const uint64_t dibAt = stretch ? offsetof(U_WMRDIBSTRETCHBLT_PX, dib) : offsetof(U_WMRDIBBITBLT_PX, dib);
    if (!r.holds(dibAt, 40)) return;
    const QImage dib = decode(r.data + dibAt, r.size - dibAt);
    if (dib.isNull()) return;
    const QRectF to = destination();
    // A plain blit copies the same size.
    const QRectF from(yxAt(d + (stretch ? src + 4 : src)), stretch ? heightWidthAt(d + src) : to.size());
    drawing_.drawBitmap(dib, to, from, s32At(r.data + dibAt + 8) > 0);
}

void Player::createFont(const Record& r)
{
    // fontFrom reads at most the 32 bytes a face name holds, so a font whose
    // name runs on is still made.
    objects_.add(fontFrom(r.data + U_SIZE_METARECORD, r.size - U_SIZE_METARECORD));
}

void Player::createPatternBrush(const Record& r)
{
    // A bitmap brush when its DIB reads cleanly, else a grey stand-in.
    Brush brush;
    brush.color = Qt::gray;
    const uint16_t style = u16At(r.data + 6);
    const uint16_t usage = u16At(r.data + 8);
    if (style != U_BS_PATTERN && usage == U_DIB_RGB_COLORS && r.size > 10) {
        // A brush the table could not hold is not decoded at all.
        if (!canvas_.holdObjects(objects_.bytes() + 4 * dibPixels(r.data + 10, r.size - 10))) return;
        brush.texture = decode(r.data + 10, r.size - 10);
    }
    objects_.add(brush);
}

QImage Player::decode(const char* dib, uint64_t available)
{
    // Paid for from its header, before a pixel is decoded.
    const qint64 pixels = dibPixels(dib, available);
    if (pixels == 0 || !canvas_.countDecoded(pixels)) return {};
    return decodeDib(dib, available);
}

} // namespace wmf
