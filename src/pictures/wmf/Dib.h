// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Device-independent bitmaps, as StretchDIB, DIBBitBlt, DIBStretchBlt and
// pattern brushes carry them.

#include <QImage>

#include <cstdint>

namespace wmf {

// Decodes a bitmap (info header of 40 bytes or more, colour table, rows) of
// 1, 4, 8, 16, 24 or 32 bits a pixel, uncompressed or with bit fields, into
// an opaque ARGB32 image with its top row first. Reads nothing outside the
// available bytes; anything it cannot read, or larger than 16384 pixels a
// side or 4 million pixels, is a null image.
QImage decodeDib(const char* dib, uint64_t available);
// The pixels decodeDib would make of these bytes, read from the header
// alone; 0 for a bitmap it would refuse.
qint64 dibPixels(const char* dib, uint64_t available);

} // namespace wmf
