// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "wmf/Dib.h"
#include "WmfBuilder.h"

#include <gtest/gtest.h>

namespace {

const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255), black = qRgb(0, 0, 0);

// A one-bit bitmap of width x height with every row's bits clear.
std::vector<uint8_t> blank(int32_t width, int32_t height, int shortBy = 0)
{
    const size_t stride = (size_t(width) + 31) / 32 * 4;
    return makeDib(width, height, 1, {0xFFFFFF, 0}, std::vector<uint8_t>(stride * size_t(height) - shortBy, 0));
}

std::vector<uint8_t> withField(std::vector<uint8_t> dib, size_t at, uint32_t value)
{
    std::memcpy(dib.data() + at, &value, 4);
    return dib;
}

// Greys 0, 1, 2 ... of this many entries.
std::vector<uint32_t> palette(int entries)
{
    std::vector<uint32_t> p;
    for (int i = 0; i < entries; ++i) p.push_back(uint32_t(i & 0xFF) * 0x010101);
    return p;
}

std::vector<uint8_t> firstBytes(std::vector<uint8_t> dib, size_t count)
{
    dib.resize(count);
    return dib;
}

} // namespace

// Bitmaps decoded straight from their bytes: the image, top row first, or
// a null image for what cannot be read.
TEST(Dib, DecodesEachDepthAndRefusesWhatItCannotRead)
{
    const struct {
        const char* name;
        std::vector<uint8_t> dib;
        QSize size;               // empty: refused
        std::vector<QRgb> pixels; // top row first; none: not looked at
    } cases[] = {
        {"4 bits, top row first, an index past the palette is black",
         makeDib(3, -2, 4, {0xFF0000, 0x00FF00, 0x0000FF}, {0x01, 0x20, 0, 0, 0x25, 0x00, 0, 0}),
         QSize(3, 2),
         {red, green, blue, blue, black, red}},
        {"16 bits, 5-5-5 without masks", makeDib(2, 1, 16, {}, {0x00, 0x7C, 0xE0, 0x03}), QSize(2, 1), {red, green}},
        {"16 bits, 5-6-5 bit fields",
         makeDib(2, 1, 16, {}, {0xE0, 0x07, 0x10, 0x84}, 3, {0xF800, 0x07E0, 0x001F}),
         QSize(2, 1),
         {green, qRgb(131, 129, 131)}},
        {"24 bits, rows padded to four bytes, bottom row first",
         makeDib(1, 2, 24, {}, {0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0x00}),
         QSize(1, 2),
         {blue, red}},
        {"32 bits, the fourth byte ignored",
         makeDib(1, 1, 32, {}, {0x10, 0x20, 0x30, 0x00}),
         QSize(1, 1),
         {qRgb(0x30, 0x20, 0x10)}},
        {"32 bits, masks inside a long header",
         makeDib(1, 1, 32, {}, {0x10, 0x20, 0x30, 0x00}, 3, {0x0000FF, 0x00FF00, 0xFF0000}, 108),
         QSize(1, 1),
         {qRgb(0x10, 0x20, 0x30)}},
        {"4 million pixels", blank(4096, 1024), QSize(4096, 1024), {}},
        {"16384 pixels wide", blank(16384, 1), QSize(16384, 1), {}},
        {"more than 4 million pixels", blank(4097, 1024), QSize(), {}},
        {"wider than 16384", blank(16385, 1), QSize(), {}},
        {"rows one byte short", blank(9, 2, 1), QSize(), {}},
        {"no width", blank(0, 2), QSize(), {}},
        {"a core header", withField(blank(8, 1), 0, 12), QSize(), {}},
        {"less than a header", firstBytes(blank(8, 1), 39), QSize(), {}},
        {"run-length compressed", withField(blank(8, 1), 16, 1), QSize(), {}},
        {"bit fields on 24 bits", makeDib(1, 1, 24, {}, {0, 0, 0, 0}, 3, {0xFF, 0xFF00, 0xFF0000}), QSize(), {}},
        {"a palette larger than the depth", makeDib(1, 1, 1, {0, 0, 0}, {0, 0, 0, 0}), QSize(), {}},
        // The palette's last entry, and the index just past it, whose bytes
        // would be the rows' (here not black).
        {"4 bits, the last of three colours and the index just past them",
         makeDib(2, 1, 4, {0xFF0000, 0x00FF00, 0x0000FF}, {0x23, 0xFF, 0xFF, 0xFF}),
         QSize(2, 1),
         {blue, black}},
        {"8 bits, all 256 colours, the last one used",
         makeDib(2, 1, 8, palette(256), {0xFF, 0xFE, 0, 0}),
         QSize(2, 1),
         {qRgb(255, 255, 255), qRgb(254, 254, 254)}},
        {"8 bits, 257 colours", makeDib(1, 1, 8, palette(257), {0, 0, 0, 0}), QSize(), {}},
        {"1 bit, no count of colours: both of the depth's",
         withField(makeDib(2, 1, 1, {0xFF0000, 0x00FF00}, {0x40, 0, 0, 0}), 32, 0),
         QSize(2, 1),
         {red, green}},
        {"a palette one entry short of its count",
         withField(makeDib(1, 1, 8, {0xFF0000, 0x00FF00}, {0, 0, 0, 0}), 32, 3),
         QSize(),
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // An exact-size copy, so that a read past the end is a read past the heap block.
        const std::vector<uint8_t> exact = storedDib(c.dib);
        const QImage image = wmf::decodeDib(reinterpret_cast<const char*>(exact.data()), exact.size());
        if (c.size.isEmpty()) {
            EXPECT_TRUE(image.isNull());
            continue;
        }
        ASSERT_EQ(image.size(), c.size);
        EXPECT_EQ(image.format(), QImage::Format_ARGB32);
        for (size_t i = 0; i < c.pixels.size(); ++i) {
            const int x = static_cast<int>(i) % c.size.width(), y = static_cast<int>(i) / c.size.width();
            EXPECT_EQ(image.pixel(x, y), c.pixels[i]) << "at " << x << "," << y;
        }
    }
}
