// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "wmf/Dib.h"

#include "wmf/Records.h"

#include <bit>
#include <cstdlib>

namespace wmf {

namespace {

constexpr int kMaxDibSide = 16384;
constexpr qint64 kMaxDibPixels = 4 * 1024 * 1024;

uint8_t maskedChannel(uint32_t pixel, uint32_t mask)
{
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const uint32_t field = mask >> shift;
    const int bits = static_cast<int>(std::bit_width(field));
    const uint64_t top = (uint64_t(1) << bits) - 1;
    return static_cast<uint8_t>(uint64_t((pixel & mask) >> shift) * 255 / top);
}

// Where the parts of a bitmap lie and how its pixels are packed.
struct Layout {
    int64_t width = 0, height = 0;
    bool topDown = false;
    int bits = 0;
    uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F}; // 16 and 32 bits a pixel
    const char* table = nullptr;                  // the colour table
    uint64_t colors = 0;                          // entries in it
    const char* pixels = nullptr;                 // the first row stored
    uint64_t stride = 0;                          // bytes a row
};

// The header, its masks and the colour table read and checked against the
// bytes given; false for anything we do not decode.
bool readLayout(const char* dib, uint64_t available, Layout& l)
{
    if (available < 40) return false;
    const uint32_t headerSize = u32At(dib);
    if (headerSize < 40 || headerSize > available) return false; // core headers are too old to meet
    l.width = s32At(dib + 4);
    l.height = s32At(dib + 8);
    l.bits = u16At(dib + 14);
    const uint32_t compression = u32At(dib + 16);
    const uint32_t colorsUsed = u32At(dib + 32);
    l.topDown = l.height < 0;
    l.height = std::abs(l.height);
    if (l.width <= 0 || l.height <= 0 || l.width > kMaxDibSide || l.height > kMaxDibSide ||
        l.width * l.height > kMaxDibPixels)
        return false;
    const int bits = l.bits;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;

    uint64_t offset = headerSize;
    if (bits == 32) {
        l.masks[0] = 0xFF0000;
        l.masks[1] = 0x00FF00;
        l.masks[2] = 0x0000FF;
    }
    if (compression == U_BI_BITFIELDS && (bits == 16 || bits == 32)) {
        const uint64_t at = headerSize >= 52 ? 40 : headerSize;
        if (at + 12 > available) return false;
        for (int i = 0; i < 3; ++i) l.masks[i] = u32At(dib + at + 4 * i);
        if (headerSize < 52) offset += 12;
    } else if (compression != U_BI_RGB) {
        return false;
    }
    l.colors = colorsUsed;
    if (bits <= 8) {
        if (l.colors == 0) l.colors = uint64_t(1) << bits;
        if (l.colors > (uint64_t(1) << bits)) return false;
    }
    l.table = dib + offset;
    offset += l.colors * 4;
    l.stride = ((uint64_t(l.width) * bits + 31) / 32) * 4;
    if (offset > available || l.stride * uint64_t(l.height) > available - offset) return false;
    l.pixels = dib + offset;
    return true;
}

QRgb tableColor(const Layout& l, uint32_t index)
{
    if (index >= l.colors) return qRgb(0, 0, 0);
    const char* e = l.table + 4 * index;
    return qRgb(static_cast<uint8_t>(e[2]), static_cast<uint8_t>(e[1]), static_cast<uint8_t>(e[0]));
}

// Pixel x of a stored row.
QRgb pixelAt(const Layout& l, const uint8_t* src, int64_t x)
{
    switch (l.bits) {
    case 1: return tableColor(l, (src[x / 8] >> (7 - x % 8)) & 1);
    case 4: return tableColor(l, (src[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
    case 8: return tableColor(l, src[x]);
    case 24: return qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
    default: {
        uint32_t pixel = l.bits == 16 ? uint32_t(src[2 * x] | (src[2 * x + 1] << 8))
                                      : uint32_t(src[4 * x]) | uint32_t(src[4 * x + 1]) << 8 |
                                            uint32_t(src[4 * x + 2]) << 16 | uint32_t(src[4 * x + 3]) << 24;
        return qRgb(maskedChannel(pixel, l.masks[0]), maskedChannel(pixel, l.masks[1]),
                    maskedChannel(pixel, l.masks[2]));
    }
    }
}

} // namespace

qint64 dibPixels(const char* dib, uint64_t available)
{
    Layout l;
    return readLayout(dib, available, l) ? l.width * l.height : 0;
}

// Header, colour table and rows must all lie in the bytes given.
QImage decodeDib(const char* dib, uint64_t available)
{
    Layout l;
    if (!readLayout(dib, available, l)) return {};
    QImage image(static_cast<int>(l.width), static_cast<int>(l.height), QImage::Format_ARGB32);
    if (image.isNull()) return {};
    for (int64_t row = 0; row < l.height; ++row) {
        const auto* src = reinterpret_cast<const uint8_t*>(l.pixels + l.stride * row);
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(l.topDown ? row : l.height - 1 - row)));
        for (int64_t x = 0; x < l.width; ++x) dst[x] = pixelAt(l, src, x);
    }
    return image;
}

} // namespace wmf
