// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Builds small Windows Metafiles, and the bitmaps they carry, in memory for
// the player's tests: records come from libUEMF's writer (or are made by hand
// to lie), the header from U_WMRHEADER_set with its sizes filled in at the end.
// libUEMF writes, and reads the bitmaps it is given, in the CPU's own byte
// order; files are little-endian, so on a big-endian CPU what libUEMF wrote
// is turned round, with libUEMF's own swap, as the file is put together.

#include <uwmf.h>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

// A device-independent bitmap: a 40-byte info header (or longer, padded with
// zeros), bit-field masks when given (inside a header of 52 bytes or more),
// the palette as 0xRRGGBB entries, and the rows exactly as given, padding and
// order included. A negative height means top row first. Its numbers are in
// the CPU's order, as libUEMF's writer wants them; storedDib gives the bytes
// of a file.
inline std::vector<uint8_t> makeDib(int32_t width, int32_t height, uint16_t bits, const std::vector<uint32_t>& palette,
                                    const std::vector<uint8_t>& rows, uint32_t compression = 0,
                                    const std::vector<uint32_t>& masks = {}, uint32_t headerSize = 40)
{
    // Headers of 52 bytes and more hold the masks; shorter ones are followed by them.
    const size_t masksAt = headerSize >= 52 ? 40 : headerSize;
    std::vector<uint8_t> out(std::max<size_t>(headerSize, masksAt + 4 * masks.size()), 0);
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(out.data() + at, &v, 4); };
    put32(0, headerSize);
    put32(4, static_cast<uint32_t>(width));
    put32(8, static_cast<uint32_t>(height));
    const uint16_t planes = 1;
    std::memcpy(out.data() + 12, &planes, 2);
    std::memcpy(out.data() + 14, &bits, 2);
    put32(16, compression);
    put32(32, static_cast<uint32_t>(palette.size()));
    for (size_t i = 0; i < masks.size(); ++i) put32(masksAt + 4 * i, masks[i]);
    for (uint32_t rgb : palette) out.insert(out.end(), {uint8_t(rgb), uint8_t(rgb >> 8), uint8_t(rgb >> 16), 0});
    out.insert(out.end(), rows.begin(), rows.end());
    return out;
}

constexpr bool kBigEndian = std::endian::native == std::endian::big;

inline void reverseBytes(uint8_t* p, size_t n)
{
    std::reverse(p, p + n);
}

// A bitmap from makeDib as a file holds it: little-endian header fields and masks.
inline std::vector<uint8_t> storedDib(std::vector<uint8_t> dib)
{
    if (!kBigEndian || dib.size() < 40) return dib;
    uint32_t headerSize = 0, compression = 0;
    std::memcpy(&headerSize, dib.data(), 4);
    std::memcpy(&compression, dib.data() + 16, 4);
    for (size_t at : {0, 4, 8, 16, 20, 24, 28, 32, 36}) reverseBytes(dib.data() + at, 4);
    reverseBytes(dib.data() + 12, 2);
    reverseBytes(dib.data() + 14, 2);
    const size_t masksAt = headerSize >= 52 ? 40 : headerSize;
    if (compression == 3)
        for (size_t at = masksAt; at < masksAt + 12 && at + 4 <= dib.size(); at += 4) reverseBytes(dib.data() + at, 4);
    return dib;
}

// Little-endian fields, written byte by byte.
inline void putLe16(uint8_t* at, uint16_t v)
{
    at[0] = uint8_t(v);
    at[1] = uint8_t(v >> 8);
}
inline void putLe32(uint8_t* at, uint32_t v)
{
    putLe16(at, uint16_t(v));
    putLe16(at + 2, uint16_t(v >> 16));
}

class WmfBuilder {
public:
    // A placeable metafile whose box is width x height logical units at
    // unitsPerInch; 1440 units per inch makes 15 units a pixel.
    static WmfBuilder placeable(int width, int height, int unitsPerInch = 1440)
    {
        WmfBuilder b;
        b.placeable_ = true;
        U_PAIRF inches{float(width) / unitsPerInch, float(height) / unitsPerInch};
        b.take(U_WMRHEADER_set(&inches, unitsPerInch), U_SIZE_WMRPLACEABLE + U_SIZE_WMRHEADER, b.header_);
        return b;
    }
    static WmfBuilder plain()
    {
        WmfBuilder b;
        b.take(U_WMRHEADER_set(nullptr, 0), U_SIZE_WMRHEADER, b.header_);
        return b;
    }

    // Appends a record made by libUEMF's writer and frees it.
    WmfBuilder& add(char* record)
    {
        uint32_t words = 0;
        std::memcpy(&words, record, 4);
        const uint8_t type = static_cast<uint8_t>(record[4]);
        if (type >= U_WMR_CREATEPALETTE || type == U_WMR_DIBCREATEPATTERNBRUSH) ++objects_;
        if (kBigEndian) toLittleEndian(record, words * 2);
        take(record, words * 2, records_);
        return *this;
    }
    // Appends bytes as they are, for records that lie.
    WmfBuilder& raw(const std::vector<uint8_t>& bytes)
    {
        records_.insert(records_.end(), bytes.begin(), bytes.end());
        return *this;
    }

    // Common records, named for readability.
    WmfBuilder& window(int x, int y, int w, int h)
    {
        add(U_WMRSETWINDOWORG_set(U_POINT16{int16_t(x), int16_t(y)}));
        return add(U_WMRSETWINDOWEXT_set(U_POINT16{int16_t(w), int16_t(h)}));
    }
    WmfBuilder& solidBrush(uint8_t r, uint8_t g, uint8_t b)
    {
        return add(U_WMRCREATEBRUSHINDIRECT_set(U_WLOGBRUSH_set(U_BS_SOLID, U_RGB(r, g, b), 0)));
    }
    WmfBuilder& pen(uint16_t style, uint16_t width, uint8_t r, uint8_t g, uint8_t b)
    {
        return add(U_WMRCREATEPENINDIRECT_set(U_PEN_set(style, width, U_RGB(r, g, b))));
    }
    WmfBuilder& select(uint16_t index) { return add(U_WMRSELECTOBJECT_set(index)); }
    WmfBuilder& remove(uint16_t index) { return add(U_WMRDELETEOBJECT_set(index)); }
    WmfBuilder& rectangle(int left, int top, int right, int bottom)
    {
        return add(U_WMRRECTANGLE_set(rect(left, top, right, bottom)));
    }

    static U_RECT16 rect(int left, int top, int right, int bottom)
    {
        return U_RECT16{int16_t(left), int16_t(top), int16_t(right), int16_t(bottom)};
    }

    // The finished file, with an end record unless told otherwise.
    std::vector<uint8_t> bytes(bool withEnd = true) const
    {
        std::vector<uint8_t> out = header_;
        out.insert(out.end(), records_.begin(), records_.end());
        if (withEnd) {
            char* end = U_WMREOF_set();
            if (kBigEndian) U_wmf_endian(end, U_SIZE_WMREOF, 1, 1);
            out.insert(out.end(), end, end + U_SIZE_WMREOF);
            std::free(end);
        }
        const size_t at = placeable_ ? U_SIZE_WMRPLACEABLE : 0;
        if (kBigEndian) {
            // The placeable prefix: key, handle, rectangle, units, reserved,
            // checksum; the header: two bytes, then words and two longs.
            if (placeable_)
                for (auto [field, n] :
                     {std::pair{0, 4}, {4, 2}, {6, 2}, {8, 2}, {10, 2}, {12, 2}, {14, 2}, {16, 4}, {20, 2}})
                    reverseBytes(out.data() + field, n);
            for (auto [field, n] : {std::pair{2, 2}, {4, 2}, {10, 2}, {12, 4}, {16, 2}})
                reverseBytes(out.data() + at + field, n);
        }
        putLe32(out.data() + at + offsetof(U_WMRHEADER, Sizew), static_cast<uint32_t>(out.size() / 2));
        putLe16(out.data() + at + offsetof(U_WMRHEADER, nObjects), static_cast<uint16_t>(objects_));
        return out;
    }

private:
    // libUEMF's swap, which leaves a RestoreDC's level and a TextOut's point
    // unswapped: those are turned round here.
    static void toLittleEndian(char* record, size_t size)
    {
        auto* bytes = reinterpret_cast<uint8_t*>(record);
        const uint8_t type = bytes[4];
        if (type == U_WMR_TEXTOUT) {
            int16_t length = 0;
            std::memcpy(&length, record + 6, 2);
            const size_t at = 8 + size_t(length + (length & 1));
            // The size, the length and the point; the function is two bytes.
            for (auto [field, n] : {std::pair<size_t, size_t>{0, 4}, {6, 2}, {at, 2}, {at + 2, 2}})
                reverseBytes(bytes + field, n);
            return;
        }
        U_wmf_endian(record, size, 1, 1);
        if (type == U_WMR_RESTOREDC) reverseBytes(bytes + 6, 2);
    }

    static void take(char* record, size_t size, std::vector<uint8_t>& to)
    {
        to.insert(to.end(), record, record + size);
        std::free(record);
    }

    bool placeable_ = false;
    int objects_ = 0;
    std::vector<uint8_t> header_;
    std::vector<uint8_t> records_;
};
