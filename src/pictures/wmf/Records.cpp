// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "wmf/Records.h"

#include "session/Cp1252.h"

#include <cmath>

namespace wmf {

QString fromCp1252(const char* text, int length)
{
    QString out;
    out.reserve(length);
    for (int i = 0; i < length; ++i) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte == 0) break;
        out.append(QChar(cp1252ToUnicode(byte)));
    }
    return out;
}

RecordReader::Step RecordReader::next(Record& record)
{
    const auto left = static_cast<uint64_t>(end_ - pos_);
    if (left < U_SIZE_METARECORD) return Step::Truncated;
    // The size in 16-bit words, counted in 64 bits so that no size wraps.
    const uint64_t size = uint64_t(u32At(pos_)) * 2;
    if (size < U_SIZE_METARECORD || size > left) return Step::Damaged;
    record = Record{pos_, static_cast<uint32_t>(size), static_cast<uint8_t>(pos_[4])};
    pos_ += size;
    return record.type == U_WMR_EOF ? Step::End : Step::Record;
}

uint32_t minimumSize(uint8_t type)
{
    switch (type) {
    case U_WMR_SETBKCOLOR: return U_SIZE_WMRSETBKCOLOR;
    case U_WMR_SETTEXTCOLOR: return U_SIZE_WMRSETTEXTCOLOR;
    case U_WMR_SETBKMODE: return U_SIZE_WMRSETBKMODE;
    case U_WMR_SETPOLYFILLMODE: return U_SIZE_WMRSETPOLYFILLMODE;
    case U_WMR_SETTEXTALIGN: return U_SIZE_WMRSETTEXTALIGN;
    case U_WMR_SETWINDOWORG: return U_SIZE_WMRSETWINDOWORG;
    case U_WMR_SETWINDOWEXT: return U_SIZE_WMRSETWINDOWEXT;
    case U_WMR_LINETO: return U_SIZE_WMRLINETO;
    case U_WMR_MOVETO: return U_SIZE_WMRMOVETO;
    case U_WMR_ARC: return U_SIZE_WMRARC;
    case U_WMR_PIE: return U_SIZE_WMRPIE;
    case U_WMR_CHORD: return U_SIZE_WMRCHORD;
    case U_WMR_ELLIPSE: return U_SIZE_WMRELLIPSE;
    case U_WMR_RECTANGLE: return U_SIZE_WMRRECTANGLE;
    case U_WMR_ROUNDRECT: return U_SIZE_WMRROUNDRECT;
    case U_WMR_PATBLT: return U_SIZE_WMRPATBLT;
    case U_WMR_SAVEDC: return U_SIZE_WMRSAVEDC;
    case U_WMR_RESTOREDC: return U_SIZE_WMRRESTOREDC;
    case U_WMR_POLYGON: return U_SIZE_WMRPOLYGON;
    case U_WMR_POLYLINE: return U_SIZE_WMRPOLYLINE;
    case U_WMR_POLYPOLYGON: return U_SIZE_WMRPOLYPOLYGON;
    case U_WMR_TEXTOUT: return U_SIZE_WMRTEXTOUT;
    case U_WMR_EXTTEXTOUT: return U_SIZE_WMREXTTEXTOUT;
    case U_WMR_SELECTOBJECT: return U_SIZE_WMRSELECTOBJECT;
    case U_WMR_DELETEOBJECT: return U_SIZE_WMRDELETEOBJECT;
    case U_WMR_CREATEPENINDIRECT: return U_SIZE_WMRCREATEPENINDIRECT;
    case U_WMR_CREATEBRUSHINDIRECT: return U_SIZE_WMRCREATEBRUSHINDIRECT;
    case U_WMR_CREATEFONTINDIRECT: return U_SIZE_METARECORD + U_SIZE_FONT_CORE;
    case U_WMR_STRETCHDIB: return U_SIZE_WMRSTRETCHDIB;
    case U_WMR_DIBSTRETCHBLT: return U_SIZE_WMRDIBSTRETCHBLT_PX;
    case U_WMR_DIBBITBLT: return U_SIZE_WMRDIBBITBLT_PX;
    case U_WMR_DIBCREATEPATTERNBRUSH: return U_SIZE_WMRDIBCREATEPATTERNBRUSH;
    default: return U_SIZE_METARECORD;
    }
}

bool createsObject(uint8_t type)
{
    switch (type) {
    case U_WMR_CREATEPENINDIRECT:
    case U_WMR_CREATEBRUSHINDIRECT:
    case U_WMR_CREATEFONTINDIRECT:
    case U_WMR_CREATEPALETTE:
    case U_WMR_CREATEPATTERNBRUSH:
    case U_WMR_DIBCREATEPATTERNBRUSH:
    case U_WMR_CREATEREGION: return true;
    default: return false;
    }
}

namespace {

bool firstWindowExtent(const char* begin, const char* end, QRectF& window)
{
    RecordReader reader(begin, end);
    QPointF origin;
    Record record;
    while (reader.next(record) == RecordReader::Step::Record) {
        if (record.type == U_WMR_SETWINDOWORG && record.size >= U_SIZE_WMRSETWINDOWORG) {
            origin = yxAt(record.data + U_SIZE_METARECORD);
        } else if (record.type == U_WMR_SETWINDOWEXT && record.size >= U_SIZE_WMRSETWINDOWEXT) {
            const QPointF extent = yxAt(record.data + U_SIZE_METARECORD);
            if (extent.x() == 0 || extent.y() == 0) continue;
            window = QRectF(origin, QSizeF(extent.x(), extent.y()));
            return true;
        }
    }
    return false;
}

} // namespace

Result<Frame> readFrame(const std::vector<uint8_t>& bytes)
{
    Result<Frame> out;
    Frame& frame = out.value;
    auto fail = [&](Error error) {
        out.error = error;
        return out;
    };
    if (bytes.size() < U_SIZE_WMRHEADER) return fail(Error::TooShort);
    const auto* begin = reinterpret_cast<const char*>(bytes.data());
    const char* end = begin + bytes.size();
    // An optional placeable prefix: key, handle, the picture's rectangle
    // (left, top, right, bottom) and the logical units per inch.
    const bool isPlaceable = u32At(begin) == 0x9AC6CDD7;
    const size_t headerAt = isPlaceable ? U_SIZE_WMRPLACEABLE : 0;
    if (bytes.size() < headerAt + U_SIZE_WMRHEADER) return fail(Error::Truncated);
    const Error notOurs = isPlaceable ? Error::BadHeader : Error::NotAMetafile;
    // The header: a disk or memory metafile (a byte, then a zero byte), of
    // nine words, in the Windows 2 or 3 format, then its size and the number
    // of objects it makes.
    const char* header = begin + headerAt;
    const auto kind = static_cast<uint8_t>(header[0]);
    const uint16_t version = u16At(header + 4);
    if ((kind != 1 && kind != 2) || header[1] != 0 || u16At(header + 2) != U_SIZE_WMRHEADER / 2 ||
        (version != 0x0100 && version != 0x0300))
        return fail(notOurs);
    frame.recordsStart = headerAt + U_SIZE_WMRHEADER;
    frame.objects = u16At(header + 10);

    if (isPlaceable) {
        const uint16_t inch = u16At(begin + 14);
        if (inch == 0) return fail(Error::BadSize);
        frame.window = rectAt(begin + 6);
        const double width = std::round(frame.window.width() * 96.0 / inch);
        const double height = std::round(frame.window.height() * 96.0 / inch);
        if (width < 1 || height < 1) return fail(Error::BadSize);
        if (width > kMaxSide || height > kMaxSide) return fail(Error::ImageTooLarge);
        frame.size = QSize(static_cast<int>(width), static_cast<int>(height));
        return out;
    }
    // A plain metafile has no size of its own: its first window extent,
    // taken as pixels, gives it one.
    if (!firstWindowExtent(begin + frame.recordsStart, end, frame.window)) return fail(Error::BadSize);
    const double width = std::abs(frame.window.width());
    const double height = std::abs(frame.window.height());
    if (width > kMaxSide || height > kMaxSide) return fail(Error::ImageTooLarge);
    frame.size = QSize(static_cast<int>(width), static_cast<int>(height));
    return out;
}

} // namespace wmf
