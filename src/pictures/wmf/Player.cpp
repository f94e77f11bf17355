// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "wmf/Player.h"

#include "wmf/Dib.h"

#include <QPolygonF>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstring>

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
        return;
    }
    if (setState(r) || drawLine(r) || drawFigure(r) || drawTextOrBitmap(r) || keepObject(r)) return;
    // Records we do not draw.
    if (createsObject(r.type)) objects_.add(Placeholder{});
}

bool Player::setState(const Record& r)
{
    const char* d = r.data;
    U_POINT16 a;
    U_COLORREF color;
    uint16_t value = 0;
    switch (r.type) {
    case U_WMR_SETBKCOLOR:
        U_WMRSETBKCOLOR_get(d, &color);
        dc_.backColor = colorOf(color);
        return true;
    case U_WMR_SETTEXTCOLOR:
        U_WMRSETTEXTCOLOR_get(d, &color);
        dc_.textColor = colorOf(color);
        return true;
    case U_WMR_SETBKMODE:
        U_WMRSETBKMODE_get(d, &value);
        if (value == U_TRANSPARENT || value == U_OPAQUE) dc_.opaqueBack = value == U_OPAQUE;
        return true;
    case U_WMR_SETPOLYFILLMODE:
        U_WMRSETPOLYFILLMODE_get(d, &value);
        if (value == U_ALTERNATE || value == U_WINDING)
            dc_.fillRule = value == U_WINDING ? Qt::WindingFill : Qt::OddEvenFill;
        return true;
    case U_WMR_SETTEXTALIGN:
        U_WMRSETTEXTALIGN_get(d, &value);
        dc_.textAlign = value;
        return true;
    case U_WMR_SETWINDOWORG:
        U_WMRSETWINDOWORG_get(d, &a);
        dc_.windowOrigin = pointOf(a);
        return true;
    case U_WMR_SETWINDOWEXT:
        U_WMRSETWINDOWEXT_get(d, &a);
        if (a.x != 0 && a.y != 0) dc_.windowExtent = QSizeF(a.x, a.y); // an empty window maps nothing
        return true;
    case U_WMR_MOVETO:
        U_WMRMOVETO_get(d, &a);
        dc_.position = pointOf(a);
        return true;
    case U_WMR_SAVEDC: saved_.save(dc_); return true;
    case U_WMR_RESTOREDC: {
        int16_t which = 0;
        U_WMRRESTOREDC_get(d, &which);
        saved_.restore(which, dc_);
        return true;
    }
    default: return false;
    }
}

bool Player::drawLine(const Record& r)
{
    switch (r.type) {
    case U_WMR_LINETO: {
        U_POINT16 a;
        U_WMRLINETO_get(r.data, &a);
        QPainterPath line(dc_.position);
        line.lineTo(pointOf(a));
        drawing_.drawPath(line, false);
        dc_.position = pointOf(a);
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
    const char* d = r.data;
    U_POINT16 a, b;
    U_RECT16 box;
    QPainterPath path;
    bool filled = true;
    switch (r.type) {
    case U_WMR_RECTANGLE:
        U_WMRRECTANGLE_get(d, &box);
        path.addRect(rectOf(box));
        break;
    case U_WMR_ROUNDRECT: {
        int16_t w = 0, h = 0;
        U_WMRROUNDRECT_get(d, &w, &h, &box);
        const QRectF rect = rectOf(box);
        path.addRoundedRect(rect, std::min(std::abs(w) / 2.0, rect.width() / 2),
                            std::min(std::abs(h) / 2.0, rect.height() / 2));
        break;
    }
    case U_WMR_ELLIPSE:
        U_WMRELLIPSE_get(d, &box);
        path.addEllipse(rectOf(box));
        break;
    case U_WMR_ARC:
        U_WMRARC_get(d, &a, &b, &box);
        path = arcPath(rectOf(box), pointOf(a), pointOf(b), r.type);
        filled = false;
        break;
    case U_WMR_PIE:
        U_WMRPIE_get(d, &a, &b, &box);
        path = arcPath(rectOf(box), pointOf(a), pointOf(b), r.type);
        break;
    case U_WMR_CHORD:
        U_WMRCHORD_get(d, &a, &b, &box);
        path = arcPath(rectOf(box), pointOf(a), pointOf(b), r.type);
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
        U_POINT16 a, b;
        uint32_t rop = 0;
        U_WMRPATBLT_get(r.data, &a, &b, &rop);
        drawing_.fillBlock(QRectF(pointOf(a), QSizeF(b.x, b.y)).normalized(), rop);
        return true;
    }
    default: return false;
    }
}

bool Player::keepObject(const Record& r)
{
    const char* d = r.data;
    uint16_t value = 0;
    switch (r.type) {
    case U_WMR_SELECTOBJECT:
        U_WMRSELECTOBJECT_get(d, &value);
        dc_.select(objects_.find(value));
        return true;
    case U_WMR_DELETEOBJECT:
        U_WMRDELETEOBJECT_get(d, &value);
        objects_.remove(value);
        return true;
    case U_WMR_CREATEPENINDIRECT: {
        U_PEN pen;
        U_WMRCREATEPENINDIRECT_get(d, &pen);
        objects_.add(penFrom(pen));
        return true;
    }
    case U_WMR_CREATEBRUSHINDIRECT: {
        const char* raw = nullptr;
        U_WLOGBRUSH brush;
        U_WMRCREATEBRUSHINDIRECT_get(d, &raw);
        std::memcpy(&brush, raw, U_SIZE_WLOGBRUSH);
        objects_.add(brushFrom(brush));
        return true;
    }
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
    uint16_t count = 0;
    const char* data = nullptr;
    const int got = closed ? U_WMRPOLYGON_get(r.data, &count, &data) : U_WMRPOLYLINE_get(r.data, &count, &data);
    // libUEMF checks the points against the record; so do we, to be sure.
    if (!got || count < 2 || !r.holds(8, uint64_t(count) * 4) || !canvas_.countPoints(count)) return;
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
    uint16_t n = 0;
    const uint16_t* counts = nullptr;
    const char* points = nullptr;
    if (!U_WMRPOLYPOLYGON_get(r.data, &n, &counts, &points) || points != r.data + pointsAt) return;
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
    U_POINT16 at;
    int16_t n = 0;
    const char* text = nullptr;
    if (!U_WMRTEXTOUT_get(r.data, &at, &n, &text)) return;
    drawing_.drawText(pointOf(at), fromCp1252(text, length), {}, nullptr, nullptr);
}

void Player::extTextOut(const Record& r)
{
    // y, x, length, options, an optional rectangle, the string, optional advances.
    const int16_t length = s16At(r.data + 10);
    const uint16_t options = u16At(r.data + 12);
    const bool hasRect = options & (U_ETO_OPAQUE | U_ETO_CLIPPED);
    const uint64_t textAt = U_SIZE_WMREXTTEXTOUT + (hasRect ? U_SIZE_RECT16 : 0);
    if (length < 0 || !r.holds(textAt, uint64_t(length))) return;
    U_POINT16 at;
    int16_t n = 0;
    uint16_t opts = 0;
    const char* text = nullptr;
    const int16_t* dx = nullptr;
    U_RECT16 box;
    if (!U_WMREXTTEXTOUT_get(r.data, &at, &n, &opts, &text, &dx, &box)) return;
    std::vector<double> advances;
    const uint64_t dxAt = textAt + uint64_t(length + (length & 1));
    if (length > 0 && r.holds(dxAt, uint64_t(length) * 2)) {
        advances.reserve(length);
        for (int i = 0; i < length; ++i) advances.push_back(s16At(r.data + dxAt + 2 * i));
    }
    const QRectF rect = rectOf(box);
    drawing_.drawText(pointOf(at), fromCp1252(text, length), advances, (options & U_ETO_OPAQUE) ? &rect : nullptr,
                      (options & U_ETO_CLIPPED) ? &rect : nullptr);
}

void Player::stretchDib(const Record& r)
{
    const uint64_t dibAt = offsetof(U_WMRSTRETCHDIB, dib);
    if (!r.holds(dibAt, 40)) return;
    const QImage dib = decodeDib(r.data + dibAt, r.size - dibAt); // every byte checked against the record
    if (dib.isNull() || u16At(r.data + 10) != U_DIB_RGB_COLORS) return;
    U_POINT16 dst, cDst, src, cSrc;
    uint16_t usage = 0;
    uint32_t rop = 0;
    const char* raw = nullptr;
    if (!U_WMRSTRETCHDIB_get(r.data, &dst, &cDst, &src, &cSrc, &usage, &rop, &raw)) return;
    drawing_.drawBitmap(dib, QRectF(pointOf(dst), QSizeF(cDst.x, cDst.y)), QRectF(pointOf(src), QSizeF(cSrc.x, cSrc.y)),
                        s32At(raw + 8) > 0);
}

void Player::dibBlt(const Record& r, bool stretch)
{
    const auto xb = static_cast<uint8_t>(r.data[5]);
    const bool hasBitmap = !U_TEST_NOPXB(r.size, xb);
    U_POINT16 dst, cDst, src, cSrc;
    uint32_t rop = 0;
    const char* raw = nullptr;
    if (!hasBitmap) {
        if (r.size < (stretch ? U_SIZE_WMRDIBSTRETCHBLT_NOPX : U_SIZE_WMRDIBBITBLT_NOPX)) return;
        const int got = stretch ? U_WMRDIBSTRETCHBLT_get(r.data, &dst, &cDst, &src, &cSrc, &rop, &raw)
                                : U_WMRDIBBITBLT_get(r.data, &dst, &cDst, &src, &rop, &raw);
        if (got) drawing_.fillBlock(QRectF(pointOf(dst), QSizeF(cDst.x, cDst.y)).normalized(), rop);
        return;
    }
    const uint64_t dibAt = stretch ? offsetof(U_WMRDIBSTRETCHBLT_PX, dib) : offsetof(U_WMRDIBBITBLT_PX, dib);
    if (!r.holds(dibAt, 40)) return;
    const QImage dib = decodeDib(r.data + dibAt, r.size - dibAt);
    if (dib.isNull()) return;
    const int got = stretch ? U_WMRDIBSTRETCHBLT_get(r.data, &dst, &cDst, &src, &cSrc, &rop, &raw)
                            : U_WMRDIBBITBLT_get(r.data, &dst, &cDst, &src, &rop, &raw);
    if (!got || !raw) return;
    if (!stretch) cSrc = cDst; // a plain blit copies the same size
    drawing_.drawBitmap(dib, QRectF(pointOf(dst), QSizeF(cDst.x, cDst.y)), QRectF(pointOf(src), QSizeF(cSrc.x, cSrc.y)),
                        s32At(raw + 8) > 0);
}

void Player::createFont(const Record& r)
{
    // libUEMF refuses a face name running past the 32 bytes a font holds;
    // fontFrom reads at most those 32, so such a font is still made.
    const char* raw = nullptr;
    if (!U_WMRCREATEFONTINDIRECT_get(r.data, &raw)) raw = r.data + U_SIZE_METARECORD;
    objects_.add(fontFrom(raw, r.size - U_SIZE_METARECORD));
}

void Player::createPatternBrush(const Record& r)
{
    // A bitmap brush when its DIB reads cleanly, else a grey stand-in.
    Brush brush;
    brush.color = Qt::gray;
    const uint16_t style = u16At(r.data + 6);
    const uint16_t usage = u16At(r.data + 8);
    if (style != U_BS_PATTERN && usage == U_DIB_RGB_COLORS && r.size > 10)
        brush.texture = decodeDib(r.data + 10, r.size - 10);
    objects_.add(brush);
}

} // namespace wmf
