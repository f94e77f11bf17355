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

}  // namespace

// Header, colour table and rows must all lie in the bytes given.
QImage decodeDib(const char* dib, uint64_t available)
{
    if (available < 40) return {};
    const uint32_t headerSize = u32At(dib);
    if (headerSize < 40 || headerSize > available) return {};  // core headers are too old to meet
    const int64_t width = s32At(dib + 4);
    int64_t height = s32At(dib + 8);
    const int bits = u16At(dib + 14);
    const uint32_t compression = u32At(dib + 16);
    const uint32_t colorsUsed = u32At(dib + 32);
    const bool topDown = height < 0;
    height = std::abs(height);
    if (width <= 0 || height <= 0 || width > kMaxDibSide || height > kMaxDibSide || width * height > kMaxDibPixels)
        return {};
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return {};

    uint64_t offset = headerSize;
    uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (bits == 32) {
        masks[0] = 0xFF0000;
        masks[1] = 0x00FF00;
        masks[2] = 0x0000FF;
    }
    if (compression == U_BI_BITFIELDS && (bits == 16 || bits == 32)) {
        const uint64_t at = headerSize >= 52 ? 40 : headerSize;
        if (at + 12 > available) return {};
        for (int i = 0; i < 3; ++i) masks[i] = u32At(dib + at + 4 * i);
        if (headerSize < 52) offset += 12;
    } else if (compression != U_BI_RGB) {
        return {};
    }
    uint64_t colors = colorsUsed;
    if (bits <= 8) {
        if (colors == 0) colors = uint64_t(1) << bits;
        if (colors > (uint64_t(1) << bits)) return {};
    }
    const char* table = dib + offset;
    offset += colors * 4;
    const uint64_t stride = ((uint64_t(width) * bits + 31) / 32) * 4;
    if (offset > available || stride * uint64_t(height) > available - offset) return {};

    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32);
    if (image.isNull()) return {};
    auto paletteColor = [&](uint32_t index) -> QRgb {
        if (index >= colors) return qRgb(0, 0, 0);
        const char* e = table + 4 * index;
        return qRgb(static_cast<uint8_t>(e[2]), static_cast<uint8_t>(e[1]), static_cast<uint8_t>(e[0]));
    };
    for (int64_t row = 0; row < height; ++row) {
        const auto* src = reinterpret_cast<const uint8_t*>(dib + offset + stride * row);
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(topDown ? row : height - 1 - row)));
        for (int64_t x = 0; x < width; ++x) {
            switch (bits) {
            case 1: dst[x] = paletteColor((src[x / 8] >> (7 - x % 8)) & 1); break;
            case 4: dst[x] = paletteColor((src[x / 2] >> (x % 2 ? 0 : 4)) & 0xF); break;
            case 8: dst[x] = paletteColor(src[x]); break;
            case 24: dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
            default: {
                uint32_t pixel = bits == 16 ? uint32_t(src[2 * x] | (src[2 * x + 1] << 8))
                                            : uint32_t(src[4 * x]) | uint32_t(src[4 * x + 1]) << 8
                                                  | uint32_t(src[4 * x + 2]) << 16 | uint32_t(src[4 * x + 3]) << 24;
                dst[x] = qRgb(maskedChannel(pixel, masks[0]), maskedChannel(pixel, masks[1]),
                              maskedChannel(pixel, masks[2]));
            }
            }
        }
    }
    return image;
}

}  // namespace wmf
