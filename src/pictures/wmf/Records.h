// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The metafile's bytes: little-endian fields, the walk over its records, and
// the header that says where the picture lies and how large it is.

#include "platform/Result.h"

#include <uwmf.h>

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace wmf {

// Largest picture side, in pixels: a picture of ours is about 105 x 97; this
// only stops files that would cost unbounded memory.
constexpr int kMaxSide = 4096;

// Little-endian fields at offsets already checked to lie inside the data,
// put together byte by byte: the same numbers on any CPU.
inline uint16_t u16At(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<uint16_t>(b[0] | b[1] << 8);
}
inline int16_t s16At(const char* p)
{
    return static_cast<int16_t>(u16At(p));
}
inline uint32_t u32At(const char* p)
{
    return u16At(p) | uint32_t(u16At(p + 2)) << 16;
}
inline int32_t s32At(const char* p)
{
    return static_cast<int32_t>(u32At(p));
}
// A point as records keep it: y, then x.
inline QPointF yxAt(const char* p)
{
    return QPointF(s16At(p + 2), s16At(p));
}
// A size as records keep it: height, then width.
inline QSizeF heightWidthAt(const char* p)
{
    return QSizeF(s16At(p + 2), s16At(p));
}
// A rectangle as drawing records keep it: bottom, right, top, left.
inline QRectF boxAt(const char* p)
{
    return QRectF(QPointF(s16At(p + 6), s16At(p + 4)), QPointF(s16At(p + 2), s16At(p))).normalized();
}
// A rectangle as a structure keeps it: left, top, right, bottom.
inline QRectF rectAt(const char* p)
{
    return QRectF(QPointF(s16At(p), s16At(p + 2)), QPointF(s16At(p + 4), s16At(p + 6))).normalized();
}
// Red, green and blue bytes, then one unused.
inline QColor colorAt(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return QColor(b[0], b[1], b[2]);
}

// Code page 1252, the text of the metafiles we meet; stops at a zero byte.
QString fromCp1252(const char* text, int length);

struct Record {
    const char* data;
    uint32_t size; // bytes, checked to lie inside the file
    uint8_t type;  // low byte of the record function, as libUEMF numbers them

    bool holds(uint64_t offset, uint64_t length) const { return offset <= size && length <= size - offset; }
};

// Walks the records after the header; every size field is checked against
// the end of the data before the record is handed out.
class RecordReader {
public:
    enum class Step { Record, End, Truncated, Damaged };

    RecordReader(const char* begin, const char* end) : pos_(begin), end_(end) {}
    Step next(Record& record);

private:
    const char* pos_;
    const char* end_;
};

// The smallest size each record we play must have; shorter ones are skipped.
uint32_t minimumSize(uint8_t type);
// Records that take a slot in the object table, even when damaged.
bool createsObject(uint8_t type);

// Where the picture lies in logical units and its size in pixels.
struct Frame {
    QRectF window; // logical units shown before any SetWindowOrg/Ext
    QSize size;    // pixels at 96 dots per inch
    size_t recordsStart = 0;
    int objects = 0; // object table size the header declares
};

Result<Frame> readFrame(const std::vector<uint8_t>& bytes);

} // namespace wmf
