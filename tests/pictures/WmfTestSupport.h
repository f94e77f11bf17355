// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// What the metafile player's tests share: pictures of a known size, the
// player run on an exact-size copy of the bytes, and pixel checks.
#include "Pictures.h"
#include "WmfBuilder.h"

#include <QColor>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <ostream>

// Failures name their kind in assertion messages.
inline std::ostream& operator<<(std::ostream& out, Error error)
{
    return out << "error " << static_cast<int>(error);
}

namespace wmftest {

// 105 x 97 pixels, 15 logical units a pixel: the size of a genre picture.
inline WmfBuilder genreSized()
{
    return WmfBuilder::placeable(1575, 1455).window(0, 0, 1575, 1455);
}

// 100 x 100 pixels, 15 logical units a pixel.
inline WmfBuilder square()
{
    return WmfBuilder::placeable(1500, 1500).window(0, 0, 1500, 1500);
}

struct Rendered {
    bool ok = false;
    QImage image;
    Error why = Error::None;
};

inline Rendered render(const std::vector<uint8_t>& bytes)
{
    // An exact-size copy, so that a read past the end is a read past the heap block.
    const std::vector<uint8_t> exact(bytes.begin(), bytes.end());
    const Result<QImage> result = renderWmf(exact);
    Rendered r{result.ok(), result.value, result.error};
    if (r.ok) {
        EXPECT_FALSE(r.image.isNull());
        EXPECT_LE(r.image.width(), 4096);
        EXPECT_LE(r.image.height(), 4096);
    } else {
        EXPECT_TRUE(r.image.isNull());
    }
    return r;
}

inline bool isColor(const QImage& image, int x, int y, int r, int g, int b)
{
    const QColor c = image.pixelColor(x, y);
    return c.alpha() == 255 && std::abs(c.red() - r) <= 2 && std::abs(c.green() - g) <= 2 &&
           std::abs(c.blue() - b) <= 2;
}
inline bool isEmpty(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y).alpha() == 0;
}

#define EXPECT_COLOR(img, x, y, r, g, b)                                                                               \
    EXPECT_TRUE(isColor(img, x, y, r, g, b))                                                                           \
        << "at " << (x) << "," << (y) << " found " << qPrintable((img).pixelColor(x, y).name(QColor::HexArgb))
#define EXPECT_EMPTY(img, x, y)                                                                                        \
    EXPECT_TRUE(isEmpty(img, x, y)) << "at " << (x) << "," << (y) << " found "                                         \
                                    << qPrintable((img).pixelColor(x, y).name(QColor::HexArgb))

// Red fill, no outline: objects 0 and 1.
inline WmfBuilder& redNoPen(WmfBuilder& b)
{
    return b.solidBrush(255, 0, 0).select(0).pen(U_PS_NULL, 0, 0, 0, 0).select(1);
}

inline std::vector<uint8_t> record(uint32_t sizeInBytes, uint16_t function, const std::vector<uint16_t>& words = {})
{
    std::vector<uint8_t> out(6);
    putLe32(out.data(), sizeInBytes / 2);
    putLe16(out.data() + 4, function);
    for (uint16_t w : words) {
        out.push_back(uint8_t(w & 0xFF));
        out.push_back(uint8_t(w >> 8));
    }
    return out;
}

// A record whose size field tells the truth about the words that follow.
inline std::vector<uint8_t> honest(uint16_t function, const std::vector<uint16_t>& words)
{
    return record(uint32_t(6 + 2 * words.size()), function, words);
}

} // namespace wmftest

using namespace wmftest;
