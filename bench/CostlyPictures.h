// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The costly pictures a player could copy in, built with the tests' metafile
// builder: measured by costly_pictures, bound by the pictures' tests.

#include "WmfBuilder.h"

#include <string>
#include <utility>
#include <vector>

// Pictures that cost more than they show, in a window of 4096 logical units.
// Letters `height` units tall, `letters` to a record, all their advances 0 so
// that they fall on one another; turned by `escapement` tenths of a degree.
inline std::vector<uint8_t> zeroAdvanceText(int height, int records, size_t letters = 1000, int escapement = 0)
{
    WmfBuilder b = WmfBuilder::plain().window(0, 0, 4096, 4096);
    U_FONT* font = U_FONT_set(int16_t(-height), 0, int16_t(escapement), 0, 400, 0, 0, 0, 0, 0, 0, 0, 0,
                              const_cast<char*>("Arial"));
    b.add(U_WMRCREATEFONTINDIRECT_set(font)).select(0);
    std::free(font);
    std::string text(letters, 'W');
    std::vector<int16_t> dx(letters, 0);
    for (int i = 0; i < records; ++i)
        b.add(U_WMREXTTEXTOUT_set(U_POINT16{int16_t(i % 4096), int16_t(i * 37 % 4096)}, int16_t(letters), 0,
                                  text.data(), dx.data(), U_RECT16{}));
    return b.bytes();
}

// Bitmaps of one bit a pixel, of these widths and heights (2048 x 2048 are
// 512 KB), each a pattern brush kept and filling the picture, or each
// stretched over it.
inline std::vector<uint8_t> bitmapsPicture(bool brushes, const std::vector<std::pair<int, int>>& sizes)
{
    WmfBuilder b = WmfBuilder::plain().window(0, 0, 2048, 2048);
    for (size_t i = 0; i < sizes.size(); ++i) {
        const auto [width, height] = sizes[i];
        const size_t stride = (size_t(width) + 31) / 32 * 4;
        std::vector<uint8_t> rows(stride * size_t(height));
        for (size_t k = 0; k < rows.size(); ++k) rows[k] = uint8_t(k * 37);
        const std::vector<uint8_t> dib = makeDib(width, height, 1, {0x102030, 0xF0E0D0}, rows);
        const auto* bmi = reinterpret_cast<const U_BITMAPINFO*>(dib.data());
        const char* px = reinterpret_cast<const char*>(dib.data() + 48);
        const auto bytes = uint32_t(rows.size());
        if (brushes)
            b.add(U_WMRDIBCREATEPATTERNBRUSH_set(U_BS_DIBPATTERNPT, U_DIB_RGB_COLORS, bmi, bytes, px, nullptr))
                .select(uint16_t(i))
                .rectangle(0, 0, 2048, 2048);
        else
            b.add(U_WMRDIBSTRETCHBLT_set(U_POINT16{0, 0}, U_POINT16{2048, 2048}, U_POINT16{0, 0},
                                         U_POINT16{int16_t(width), int16_t(height)}, U_SRCCOPY, bmi, bytes, px));
    }
    return b.bytes();
}
