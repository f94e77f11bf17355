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
#include <cstring>
#include <vector>

namespace wmf {

// Largest picture side, in pixels: a picture of ours is about 105 x 97; this
// only stops files that would cost unbounded memory.
constexpr int kMaxSide = 4096;

// Little-endian fields at offsets already checked to lie inside the data.
template <typename T> T fieldAt(const char* p)
{
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
constexpr auto u16At = fieldAt<uint16_t>;
constexpr auto s16At = fieldAt<int16_t>;
constexpr auto u32At = fieldAt<uint32_t>;
constexpr auto s32At = fieldAt<int32_t>;

inline QColor colorOf(const U_COLORREF& c)
{
    return QColor(c.Red, c.Green, c.Blue);
}
inline QPointF pointOf(const U_POINT16& p)
{
    return QPointF(p.x, p.y);
}
inline QRectF rectOf(const U_RECT16& r)
{
    return QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom)).normalized();
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
