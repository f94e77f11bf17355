// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Damaged metafiles: each must come back refused with its kind of fault, or
// as a sane image; none may read outside the bytes given or run for long.
#include "CostlyPictures.h"
#include "WmfTestSupport.h"

#include <cmath>
#include <random>

TEST(WmfPlayer, RefusesWhatIsNotAMetafile)
{
    const std::string text = "Questo non e' un metafile, solo del testo qualunque.\n";
    std::vector<uint8_t> zeroInch = WmfBuilder::placeable(1500, 1500).bytes();
    zeroInch[14] = zeroInch[15] = 0;
    std::vector<uint8_t> badHeader = WmfBuilder::placeable(1500, 1500).bytes();
    badHeader[22 + 2] = 3; // header size in words
    const std::pair<std::vector<uint8_t>, Error> cases[] = {
        {{}, Error::TooShort},
        {{1, 2, 3}, Error::TooShort},
        {std::vector<uint8_t>(40, 0), Error::NotAMetafile},
        {std::vector<uint8_t>(text.begin(), text.end()), Error::NotAMetafile},
        {{0xD7, 0xCD, 0xC6, 0x9A, 0, 0}, Error::TooShort}, // the placeable key and nothing more
        {zeroInch, Error::BadSize},
        {badHeader, Error::BadHeader},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Rendered r = render(cases[i].first);
        EXPECT_FALSE(r.ok) << "case " << i;
        EXPECT_EQ(r.why, cases[i].second) << "case " << i;
    }
}

TEST(WmfPlayer, RefusesTruncatedFiles)
{
    WmfBuilder b = genreSized();
    redNoPen(b).rectangle(150, 150, 750, 600);
    const std::vector<uint8_t> good = b.bytes();
    ASSERT_TRUE(render(good).ok);
    Rendered afterHeader = render(std::vector<uint8_t>(good.begin(), good.begin() + 40));
    EXPECT_FALSE(afterHeader.ok);
    EXPECT_EQ(afterHeader.why, Error::Truncated);
    for (size_t cut = 0; cut < good.size(); ++cut)
        EXPECT_FALSE(render(std::vector<uint8_t>(good.begin(), good.begin() + cut)).ok) << "cut at " << cut;
    EXPECT_FALSE(render(b.bytes(false)).ok); // no end record
}

TEST(WmfPlayer, RefusesRecordSizesThatLie)
{
    // Size fields in 16-bit words: zero would never move on, one is smaller
    // than a record, then huge, then one that wraps to 6 bytes in 32-bit
    // arithmetic, then one running past the end of the file.
    for (uint32_t words : {0u, 1u, 0xFFFFFFFFu, 0x80000003u, 40u}) {
        std::vector<uint8_t> liar = record(0, U_WMR_RECTANGLE, {0, 0, 100, 100});
        putLe32(liar.data(), words);
        WmfBuilder b = square();
        b.raw(liar);
        EXPECT_FALSE(render(b.bytes(words != 40)).ok) << words << " words";
    }
}

TEST(WmfPlayer, SkipsRecordsWhoseContentsLie)
{
    std::vector<uint8_t> longName = record(6 + 18 + 40, U_WMR_CREATEFONTINDIRECT);
    longName.resize(6 + 18, 0);
    longName.resize(6 + 18 + 40, 'A'); // no terminating zero
    WmfBuilder b = square();
    redNoPen(b)
        .raw(record(10, U_WMR_RECTANGLE, {1, 2}))            // shorter than a rectangle
        .raw(honest(U_WMR_POLYGON, {60000, 0, 0, 100, 100})) // 60000 points claimed, 2 given
        .raw(honest(U_WMR_POLYLINE, {65535, 0, 0}))
        .raw(honest(U_WMR_POLYPOLYGON, {3, 4, 4}))                      // 3 counts claimed, 2 given
        .raw(honest(U_WMR_POLYPOLYGON, {1, 65535, 0, 0, 10, 10}))       // points missing
        .raw(honest(U_WMR_TEXTOUT, {30000, 0x4141, 0, 0}))              // text longer than the record
        .raw(honest(U_WMR_TEXTOUT, {0x8000, 0, 0}))                     // negative length
        .raw(honest(U_WMR_EXTTEXTOUT, {0, 0, 500, U_ETO_OPAQUE, 0, 0})) // rectangle and text missing
        .raw(honest(U_WMR_EXTTEXTOUT, {0, 0, 0xFFFF, 0}))
        .raw(longName)
        .select(2)
        .raw(honest(U_WMR_SELECTOBJECT, {})) // no index at all
        .raw(honest(U_WMR_DELETEOBJECT, {}))
        .raw(honest(U_WMR_RESTOREDC, {}))
        .raw(honest(U_WMR_SETWINDOWEXT, {}));
    // Bitmaps whose headers lie: sizes, colours, bit depths, header length.
    const std::vector<std::vector<uint16_t>> lyingDibs = {
        {40, 0, 0x4240, 0x000F, 2, 0, 1, 24},                              // a million pixels wide
        {40, 0, 2, 0, 0, 0x8000, 1, 24},                                   // height of INT32_MIN
        {40, 0, 2, 0, 2, 0, 1, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0xCA00, 0x3B9A}, // a billion colours
        {40, 0, 2, 0, 2, 0, 1, 7},                                         // seven bits a pixel
        {1000, 0, 2, 0, 2, 0, 1, 24},                                      // header longer than the record
        {40, 0, 200, 0, 200, 0, 1, 32},                                    // rows missing
    };
    for (const auto& header : lyingDibs) {
        std::vector<uint16_t> words = {0x0020, 0x00CC, 0, 2, 2, 0, 0, 1500, 1500, 0, 0}; // rop, usage, sizes
        words.insert(words.end(), header.begin(), header.end());
        words.resize(words.size() + 20, 0);
        b.raw(honest(U_WMR_STRETCHDIB, words));
    }
    b.rectangle(750, 750, 1500, 1500); // still drawn after all that
    Rendered r = render(b.bytes());
    ASSERT_TRUE(r.ok) << r.why;
    EXPECT_COLOR(r.image, 80, 80, 255, 0, 0);
}

TEST(WmfPlayer, ObjectIndicesOutOfRangeSelectNothing)
{
    WmfBuilder b = square();
    b.select(65535).remove(65535).select(3);
    redNoPen(b);
    // More objects than indices exist: the table stops growing.
    for (int i = 0; i < 66000; ++i) b.solidBrush(0, 0, 255);
    b.select(65534).rectangle(0, 0, 750, 750).select(65535).rectangle(750, 0, 1500, 750);
    Rendered r = render(b.bytes());
    ASSERT_TRUE(r.ok) << r.why;
    EXPECT_COLOR(r.image, 20, 20, 0, 0, 255);
    EXPECT_COLOR(r.image, 80, 20, 0, 0, 255); // 65535 was never made; the brush stays
}

TEST(WmfPlayer, NestedSavesWithoutRestoreAndRestoresWithoutSave)
{
    WmfBuilder b = square();
    redNoPen(b);
    for (int i = 0; i < 10000; ++i) b.add(U_WMRSAVEDC_set());
    for (int16_t level : {int16_t(-20000), int16_t(5000), int16_t(0), int16_t(-32768), int16_t(32767)})
        b.add(U_WMRRESTOREDC_set(level));
    b.rectangle(0, 0, 1500, 1500);
    Rendered r = render(b.bytes());
    ASSERT_TRUE(r.ok) << r.why;
    EXPECT_COLOR(r.image, 50, 50, 255, 0, 0);
    // Restoring far back is fine too.
    WmfBuilder c = square();
    redNoPen(c).add(U_WMRSAVEDC_set()).add(U_WMRSAVEDC_set()).add(U_WMRRESTOREDC_set(-2)).add(U_WMRRESTOREDC_set(-1));
    EXPECT_TRUE(render(c.bytes()).ok);
}

TEST(WmfPlayer, HugeExtentsAreRefusedOrBounded)
{
    Rendered tooBig = render(WmfBuilder::placeable(32767, 32767, 1).bytes());
    EXPECT_FALSE(tooBig.ok);
    EXPECT_EQ(tooBig.why, Error::ImageTooLarge);
    EXPECT_FALSE(render(WmfBuilder::plain().window(0, 0, 30000, 30000).bytes()).ok);
    EXPECT_TRUE(render(WmfBuilder::placeable(4096, 4096, 96).bytes()).ok);
    EXPECT_FALSE(render(WmfBuilder::placeable(4097, 100, 96).bytes()).ok);

    // A one-unit window blows shapes up thousands of times past the picture,
    // where flattening and clipping them alone takes long: refused, quickly.
    WmfBuilder b = square();
    redNoPen(b).window(0, 0, 1, 1).add(U_WMRSETWINDOWEXT_set(U_POINT16{0, 0})); // an empty extent is ignored
    b.pen(U_PS_SOLID, 65535, 0, 0, 0).select(2);
    for (int i = 0; i < 100; ++i) b.add(U_WMRELLIPSE_set(WmfBuilder::rect(-32768, -32768, 32767, 32767)));
    Rendered r;
    EXPECT_LT(costOf([&] { r = render(b.bytes()); }).processorMs, 10 * yardstickMs());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.why, Error::TooComplex);
    // A shape some times larger than the picture is drawn as usual.
    WmfBuilder large = square();
    redNoPen(large).add(U_WMRELLIPSE_set(WmfBuilder::rect(-15000, -15000, 16500, 16500)));
    r = render(large.bytes());
    ASSERT_TRUE(r.ok) << r.why;
    EXPECT_COLOR(r.image, 50, 50, 255, 0, 0);

    // Endless full-picture fills run out of budget instead of time.
    WmfBuilder heavy = square();
    redNoPen(heavy);
    for (int i = 0; i < 5000; ++i) heavy.rectangle(0, 0, 1500, 1500);
    Rendered h;
    EXPECT_LT(costOf([&] { h = render(heavy.bytes()); }).processorMs, 10 * yardstickMs());
    EXPECT_FALSE(h.ok);
    EXPECT_EQ(h.why, Error::TooComplex);
}

// Work far past what any genre picture has is refused before it is done:
// each limit taken exactly, and one past it, then the costly files a player
// could copy in. Each is accepted or refused, on the board of a large screen,
// within some times the processor time of drawing the shipped pictures and
// far less memory than a picture may take (64 MB).
TEST(WmfPlayer, WorkPastAnyGenrePictureIsRefused)
{
    // Rings of points around the picture's middle: many points, little
    // outline. `n` shapes of these sizes, then one of the last: each a
    // polygon, or a poly-polygon of more than one size.
    auto rings = [](int n, const std::vector<int>& sizes, const std::vector<int>& last = {}) {
        WmfBuilder b = square();
        redNoPen(b);
        for (int k = 0; k <= n; ++k) {
            const std::vector<uint16_t> counts = k < n ? std::vector<uint16_t>(sizes.begin(), sizes.end())
                                                       : std::vector<uint16_t>(last.begin(), last.end());
            std::vector<U_POINT16> all;
            for (int points : counts)
                for (int i = 0; i < points; ++i)
                    all.push_back({int16_t(750 + 600 * std::cos(2 * M_PI * i / points)),
                                   int16_t(750 + 600 * std::sin(2 * M_PI * i / points))});
            if (counts.size() == 1) b.add(U_WMRPOLYGON_set(counts[0], all.data()));
            else if (!counts.empty()) b.add(U_WMRPOLYPOLYGON_set(uint16_t(counts.size()), counts.data(), all.data()));
        }
        return b.bytes();
    };
    // All records, the header's window and the first seven included.
    auto states = [](int records) {
        WmfBuilder b = square();
        redNoPen(b).rectangle(0, 0, 1500, 1500);
        for (int i = 7; i < records; ++i) b.add(U_WMRSETBKMODE_set(U_TRANSPARENT));
        return b.bytes();
    };
    const auto large = std::pair{2048, 2048};
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        bool drawn;
    } cases[] = {
        {"a polygon of 8192 points", rings(1, {8192}), true},
        {"a polygon of 8193", rings(1, {8193}), false},
        {"a poly-polygon of 8192 points", rings(1, {4096, 4096}), true},
        {"a poly-polygon of 8193", rings(1, {4096, 4097}), false},
        {"65536 points in polygons", rings(8, {8192}), true},
        {"65537", rings(8, {8192}, {1, 0}), false},
        {"65536 points in poly-polygons", rings(8, {4096, 4096}), true},
        {"65537 in poly-polygons", rings(8, {4096, 4096}, {1, 0}), false},
        {"131072 records", states(131072), true},
        {"131073", states(131073), false},
        {"8192 characters", zeroAdvanceText(12, 1, 8192), true},
        {"8193", zeroAdvanceText(12, 1, 8193), false},
        {"a blit of 2048 x 1024 bitmap pixels", bitmapsPicture(false, {{2048, 1024}}), true},
        {"and one pixel more", bitmapsPicture(false, {{2048, 1024}, {1, 1}}), false},
        {"a brush of 1024 x 1023 held", bitmapsPicture(true, {{1024, 1023}}), true},
        {"one of 1024 x 1024", bitmapsPicture(true, {{1024, 1024}}), false},
        {"100 records of 1000 letters at 4096 pixels, each advance 0 (294 KB)", zeroAdvanceText(4096, 100), false},
        {"thirty pattern brushes of 2048 x 2048 (15 MB)", bitmapsPicture(true, std::vector(30, large)), false},
        {"thirty blits of 2048 x 2048 (15 MB)", bitmapsPicture(false, std::vector(30, large)), false},
    };
    const PicturePlace board{{1280, 1024}, PicturePlace::Fit::Cut};
    for (const auto& c : cases) {
        Result<QImage> r;
        const Cost cost = costOf([&] { r = renderWmf(c.bytes, board); });
        EXPECT_EQ(r.ok(), c.drawn) << c.what;
        if (!r.ok()) {
            EXPECT_EQ(r.error, Error::TooComplex) << c.what;
        }
        EXPECT_LT(cost.processorMs, 10 * yardstickMs()) << c.what;
        EXPECT_LT(cost.peakMiB, 40) << c.what;
    }
    const QImage drawn = renderWmf(rings(8, {8192}), board).value; // as many as the limits allow, drawn
    EXPECT_COLOR(drawn, 50, 50, 255, 0, 0);
}

// A picture is drawn only as far as its place shows it: a huge window costs
// no more than the place, cut there or shrunk to fit.
TEST(WmfPlayer, DrawsOnlyWhatShowsInItsPlace)
{
    WmfBuilder b = WmfBuilder::plain().window(0, 0, 4096, 4096);
    redNoPen(b).rectangle(0, 0, 2048, 4096);
    const std::vector<uint8_t> bytes = b.bytes();
    const QImage cut = renderWmf(bytes, {{640, 480}}).value;
    EXPECT_EQ(cut.size(), QSize(640, 480));
    EXPECT_COLOR(cut, 639, 479, 255, 0, 0); // still left of the middle
    const QImage shrunk = renderWmf(bytes, {{113, 107}, PicturePlace::Fit::Shrink}, 2.0).value;
    EXPECT_EQ(shrunk.deviceIndependentSize().toSize(), QSize(107, 107));
    EXPECT_COLOR(shrunk, 100, 100, 255, 0, 0);
    EXPECT_EMPTY(shrunk, 114, 100);
    // A picture smaller than its place keeps its own size either way.
    const QImage small = renderWmf(square().bytes(), {{113, 107}, PicturePlace::Fit::Shrink}).value;
    EXPECT_EQ(small.size(), QSize(100, 100));
}

TEST(WmfPlayer, RandomBytesAndDamagedPicturesNeverCrash)
{
    std::mt19937 random(20240517);
    WmfBuilder b = genreSized();
    redNoPen(b).rectangle(150, 150, 750, 600).add(U_WMRELLIPSE_set(WmfBuilder::rect(0, 0, 900, 900)));
    const U_POINT16 triangle[] = {{0, 0}, {1500, 0}, {750, 1400}};
    b.add(U_WMRPOLYGON_set(3, triangle)).add(U_WMRTEXTOUT_set(U_POINT16{10, 10}, const_cast<char*>("ciao")));
    const std::vector<uint8_t> good = b.bytes();
    int refused = 0, drawn = 0;
    for (int round = 0; round < 400; ++round) {
        std::vector<uint8_t> bytes;
        if (round % 2 == 0) {
            bytes.resize(random() % 3000);
            for (auto& byte : bytes) byte = uint8_t(random());
            if (round % 4 == 0 && bytes.size() >= 40) std::copy(good.begin(), good.begin() + 40, bytes.begin());
        } else {
            bytes = good;
            for (int flips = 1 + random() % 8; flips > 0; --flips)
                bytes[40 + random() % (bytes.size() - 40)] = uint8_t(random());
        }
        Rendered r = render(bytes);
        (r.ok ? drawn : refused)++;
    }
    EXPECT_GT(refused, 0);
    EXPECT_GT(drawn, 0);
}
