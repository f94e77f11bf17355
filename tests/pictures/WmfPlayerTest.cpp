// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The metafile player draws what a picture says: sizes, mapping, objects,
// shapes, text and bitmaps.
#include "WmfTestSupport.h"

TEST(WmfPlayer, RedRectangleLandsWhereItShould)
{
    WmfBuilder b = genreSized();
    redNoPen(b).rectangle(150, 150, 750, 600); // pixels 10..50 x 10..40
    Rendered r = render(b.bytes());
    ASSERT_TRUE(r.ok) << r.why;
    EXPECT_EQ(r.image.size(), QSize(105, 97));
    EXPECT_EQ(r.image.format(), QImage::Format_ARGB32);
    EXPECT_COLOR(r.image, 11, 11, 255, 0, 0);
    EXPECT_COLOR(r.image, 30, 25, 255, 0, 0);
    EXPECT_COLOR(r.image, 48, 38, 255, 0, 0);
    EXPECT_EMPTY(r.image, 8, 8);
    EXPECT_EMPTY(r.image, 52, 25);
    EXPECT_EMPTY(r.image, 30, 42);
    EXPECT_EMPTY(r.image, 104, 96);
}

TEST(WmfPlayer, PictureSizeComesFromItsHeader)
{
    // Width and height in units, units per inch, pixels at 96 per inch.
    const struct {
        int width, height, inch;
        QSize pixels;
    } sizes[] = {
        {2880, 1440, 1440, QSize(192, 96)}, {200, 100, 100, QSize(192, 96)},
        {1583, 1455, 1440, QSize(106, 97)}, // 105.5 pixels wide rounds up
        {1582, 1462, 1440, QSize(105, 97)}, // 105.47 and 97.47 round down
        {1575, 1463, 1440, QSize(105, 98)}, // 97.53 rounds up
    };
    for (const auto& c : sizes)
        EXPECT_EQ(render(WmfBuilder::placeable(c.width, c.height, c.inch).bytes()).image.size(), c.pixels)
            << c.width << " x " << c.height << " at " << c.inch;
    // Without window records the header's box is the window.
    WmfBuilder box = WmfBuilder::placeable(1575, 1455);
    redNoPen(box).rectangle(0, 0, 750, 1455);
    Rendered r = render(box.bytes());
    ASSERT_TRUE(r.ok) << r.why;
    EXPECT_COLOR(r.image, 20, 50, 255, 0, 0);
    EXPECT_EMPTY(r.image, 80, 50);
    // A plain metafile takes its size from its window extent.
    WmfBuilder plain = WmfBuilder::plain().window(0, 0, 64, 48);
    EXPECT_EQ(render(plain.bytes()).image.size(), QSize(64, 48));
    Rendered noSize = render(WmfBuilder::plain().bytes());
    EXPECT_FALSE(noSize.ok);
}

TEST(WmfPlayer, WindowOriginAndExtentMapOntoTheImage)
{
    WmfBuilder shifted = WmfBuilder::placeable(1500, 1500).window(1000, 1000, 100, 100);
    redNoPen(shifted).rectangle(1050, 1050, 1100, 1100);
    Rendered r = render(shifted.bytes());
    ASSERT_TRUE(r.ok) << r.why;
    EXPECT_COLOR(r.image, 75, 75, 255, 0, 0);
    EXPECT_EMPTY(r.image, 25, 25);
    EXPECT_EMPTY(r.image, 75, 25);

    // A negative extent turns the y axis upwards.
    WmfBuilder flipped = WmfBuilder::placeable(1500, 1500).window(0, 100, 100, -100);
    redNoPen(flipped).rectangle(0, 0, 50, 50);
    r = render(flipped.bytes());
    ASSERT_TRUE(r.ok) << r.why;
    EXPECT_COLOR(r.image, 25, 75, 255, 0, 0);
    EXPECT_EMPTY(r.image, 25, 25);
}

// A plain metafile is framed by its first window, also for what it draws
// before setting it; an origin set while it draws moves what follows it.
// Four quadrants of 50 pixels: red drawn before any window, blue and green
// after two more origins, the fourth left empty.
TEST(WmfPlayer, APlainMetafileMovesItsWindowOriginWhileItDraws)
{
    WmfBuilder b = WmfBuilder::plain();
    redNoPen(b).rectangle(10, 10, 60, 60);
    b.window(10, 10, 100, 100)
        .add(U_WMRSETWINDOWORG_set(U_POINT16{60, 10}))
        .solidBrush(0, 0, 255)
        .select(2)
        .rectangle(60, 60, 110, 110)
        .add(U_WMRSETWINDOWORG_set(U_POINT16{-40, 10}))
        .solidBrush(0, 255, 0)
        .select(3)
        .rectangle(10, 10, 60, 60);
    Rendered r = render(b.bytes());
    ASSERT_TRUE(r.ok) << r.why;
    ASSERT_EQ(r.image.size(), QSize(100, 100));
    for (const QPoint p : {QPoint(1, 1), QPoint(48, 48)}) EXPECT_COLOR(r.image, p.x(), p.y(), 255, 0, 0);
    for (const QPoint p : {QPoint(1, 51), QPoint(48, 98)}) EXPECT_COLOR(r.image, p.x(), p.y(), 0, 0, 255);
    for (const QPoint p : {QPoint(51, 1), QPoint(98, 48)}) EXPECT_COLOR(r.image, p.x(), p.y(), 0, 255, 0);
    for (const QPoint p : {QPoint(51, 51), QPoint(98, 98)}) EXPECT_EMPTY(r.image, p.x(), p.y());
}

TEST(WmfPlayer, ObjectsAreSelectedByIndexAndFreedSlotsReused)
{
    WmfBuilder b = square();
    b.solidBrush(255, 0, 0)         // 0
        .solidBrush(0, 0, 255)      // 1
        .pen(U_PS_NULL, 0, 0, 0, 0) // 2
        .select(2)
        .select(0)
        .rectangle(0, 0, 300, 300) // red, pixels 0..20
        .remove(0)
        .solidBrush(0, 255, 0) // takes the freed slot 0
        .select(0)
        .rectangle(300, 0, 600, 300) // green
        .select(1)
        .rectangle(600, 0, 900, 300) // blue
        .select(7)                   // nothing there: the brush stays blue
        .rectangle(900, 0, 1200, 300)
        .remove(1) // deleting keeps what is selected
        .rectangle(0, 600, 300, 900)
        .select(1) // a deleted slot selects nothing
        .rectangle(300, 600, 600, 900)
        .remove(999);
    Rendered r = render(b.bytes());
    ASSERT_TRUE(r.ok) << r.why;
    EXPECT_COLOR(r.image, 10, 10, 255, 0, 0);
    EXPECT_COLOR(r.image, 30, 10, 0, 255, 0);
    EXPECT_COLOR(r.image, 50, 10, 0, 0, 255);
    EXPECT_COLOR(r.image, 70, 10, 0, 0, 255);
    EXPECT_COLOR(r.image, 10, 50, 0, 0, 255);
    EXPECT_COLOR(r.image, 30, 50, 0, 0, 255);
}

TEST(WmfPlayer, SaveAndRestoreBringBackTheState)
{
    WmfBuilder b = square();
    b.solidBrush(255, 0, 0)         // 0
        .solidBrush(0, 0, 255)      // 1
        .solidBrush(0, 255, 0)      // 2
        .pen(U_PS_NULL, 0, 0, 0, 0) // 3
        .select(3)
        .select(0)
        .add(U_WMRSAVEDC_set()) // level 1: red, full window
        .select(1)
        .window(0, 0, 3000, 3000) // halves everything
        .add(U_WMRSAVEDC_set())   // level 2: blue, half scale
        .select(2)
        .rectangle(0, 0, 600, 600) // green, pixels 0..20
        .add(U_WMRRESTOREDC_set(-1))
        .rectangle(600, 0, 1200, 600) // blue at half scale, pixels 20..40
        .add(U_WMRRESTOREDC_set(1))
        .rectangle(900, 900, 1500, 1500); // red at full scale, pixels 60..100
    Rendered r = render(b.bytes());
    ASSERT_TRUE(r.ok) << r.why;
    EXPECT_COLOR(r.image, 10, 10, 0, 255, 0);
    EXPECT_COLOR(r.image, 30, 10, 0, 0, 255);
    EXPECT_EMPTY(r.image, 50, 10);
    EXPECT_COLOR(r.image, 80, 80, 255, 0, 0);
    EXPECT_EMPTY(r.image, 50, 50);
}

TEST(WmfPlayer, PensOutlineAndNullBrushesLeaveTheInsideEmpty)
{
    WmfBuilder b = square();
    b.pen(U_PS_SOLID, 150, 0, 128, 0) // 10 pixels wide
        .add(U_WMRCREATEBRUSHINDIRECT_set(U_WLOGBRUSH_set(U_BS_NULL, U_RGB(0, 0, 0), 0)))
        .select(0)
        .select(1)
        .rectangle(300, 300, 1200, 1200) // pixels 20..80, the pen 15..25 on the left edge
        .add(U_WMRMOVETO_set(U_POINT16{0, 1425}))
        .add(U_WMRLINETO_set(U_POINT16{1500, 1425})); // a line along y = 95
    Rendered r = render(b.bytes());
    ASSERT_TRUE(r.ok) << r.why;
    EXPECT_COLOR(r.image, 20, 50, 0, 128, 0);
    EXPECT_COLOR(r.image, 50, 80, 0, 128, 0);
    EXPECT_EMPTY(r.image, 50, 50);
    EXPECT_EMPTY(r.image, 10, 50);
    EXPECT_COLOR(r.image, 50, 95, 0, 128, 0);
}

TEST(WmfPlayer, FillsEllipsesPolygonsRoundRectsPiesAndChords)
{
    WmfBuilder b = square();
    redNoPen(b).add(U_WMRELLIPSE_set(WmfBuilder::rect(0, 0, 600, 600))); // circle 0..40
    const U_POINT16 triangle[] = {{750, 0}, {1500, 0}, {1500, 750}};     // upper right half of 50..100
    b.add(U_WMRPOLYGON_set(3, triangle));
    b.add(U_WMRROUNDRECT_set(300, 300, WmfBuilder::rect(0, 750, 600, 1500))); // 0..40 x 50..100
    Rendered r = render(b.bytes());
    ASSERT_TRUE(r.ok) << r.why;
    EXPECT_COLOR(r.image, 20, 20, 255, 0, 0);
    EXPECT_EMPTY(r.image, 2, 2); // outside the circle, inside its box
    EXPECT_COLOR(r.image, 95, 5, 255, 0, 0);
    EXPECT_EMPTY(r.image, 55, 45);
    EXPECT_COLOR(r.image, 20, 75, 255, 0, 0);
    EXPECT_EMPTY(r.image, 1, 51); // a rounded corner

    // Pie and chord from 3 o'clock to 12 o'clock run counter-clockwise: the top right.
    for (auto make : {U_WMRPIE_set, U_WMRCHORD_set}) {
        WmfBuilder p = square();
        redNoPen(p).add(make(U_POINT16{1500, 750}, U_POINT16{750, 0}, WmfBuilder::rect(0, 0, 1500, 1500)));
        r = render(p.bytes());
        ASSERT_TRUE(r.ok) << r.why;
        EXPECT_COLOR(r.image, 80, 20, 255, 0, 0);
        EXPECT_EMPTY(r.image, 25, 75);
        EXPECT_EMPTY(r.image, 25, 25);
        if (make == U_WMRPIE_set) EXPECT_COLOR(r.image, 60, 40, 255, 0, 0);
        else EXPECT_EMPTY(r.image, 60, 40); // a chord stops at the line between its ends
    }
}

TEST(WmfPlayer, PolyFillModeDecidesTheHoleOfAPolyPolygon)
{
    // Two squares wound the same way, one inside the other.
    const U_POINT16 points[] = {{0, 0},     {1500, 0},   {1500, 1500}, {0, 1500},
                                {450, 450}, {1050, 450}, {1050, 1050}, {450, 1050}};
    const uint16_t counts[] = {4, 4};
    for (uint16_t mode : {uint16_t(U_ALTERNATE), uint16_t(U_WINDING)}) {
        WmfBuilder b = square();
        redNoPen(b).add(U_WMRSETPOLYFILLMODE_set(mode)).add(U_WMRPOLYPOLYGON_set(2, counts, points));
        Rendered r = render(b.bytes());
        ASSERT_TRUE(r.ok) << r.why;
        EXPECT_COLOR(r.image, 10, 10, 255, 0, 0);
        if (mode == U_ALTERNATE) EXPECT_EMPTY(r.image, 50, 50);
        else EXPECT_COLOR(r.image, 50, 50, 255, 0, 0);
    }
}

TEST(WmfPlayer, TextIsDrawnInTheTextColourAtItsPoint)
{
    U_FONT* font = U_FONT_set(-300, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, const_cast<char*>("Arial")); // 20 pixels
    WmfBuilder b = square();
    b.add(U_WMRCREATEFONTINDIRECT_set(font))
        .select(0)
        .add(U_WMRSETTEXTCOLOR_set(U_RGB(0, 0, 255)))
        .add(U_WMRSETBKMODE_set(U_TRANSPARENT))
        .add(U_WMRTEXTOUT_set(U_POINT16{150, 150}, const_cast<char*>("HHH"))) // top-left at 10,10
        .add(U_WMRSETBKCOLOR_set(U_RGB(255, 255, 0)));
    std::free(font);
    int16_t dx[] = {150};
    b.add(U_WMREXTTEXTOUT_set(U_POINT16{1350, 1350}, 1, U_ETO_OPAQUE, " ", dx, WmfBuilder::rect(750, 750, 1200, 1200)));
    Rendered r = render(b.bytes());
    ASSERT_TRUE(r.ok) << r.why;
    int blue = 0, blueOutside = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            const QColor c = r.image.pixelColor(x, y);
            if (c.alpha() > 128 && c.blue() > 128 && c.red() < 100) {
                const bool inside = x >= 9 && x < 90 && y >= 9 && y < 34;
                (inside ? blue : blueOutside)++;
            }
        }
    EXPECT_GT(blue, 40);
    EXPECT_EQ(blueOutside, 0);
    EXPECT_COLOR(r.image, 60, 60, 255, 255, 0); // the opaque rectangle of the second text
    EXPECT_EMPTY(r.image, 45, 60);
}

namespace {

// A 2 x 2 bitmap: red, green over blue, white; stored bottom row first.
std::vector<uint8_t> fourColourDib()
{
    std::vector<uint8_t> dib(40 + 16, 0);
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(dib.data() + at, &v, 4); };
    put32(0, 40);
    put32(4, 2);
    put32(8, 2);
    const uint16_t planes = 1, bits = 24;
    std::memcpy(dib.data() + 12, &planes, 2);
    std::memcpy(dib.data() + 14, &bits, 2);
    const uint8_t rows[16] = {255, 0, 0,   255, 255, 255, 0, 0,  // bottom: blue, white (BGR), padding
                              0,   0, 255, 0,   255, 0,   0, 0}; // top: red, green
    std::memcpy(dib.data() + 40, rows, 16);
    return dib;
}

// The colour each letter of an expected bitmap stands for.
QColor letterColour(char letter)
{
    switch (letter) {
    case 'r': return QColor(255, 0, 0);
    case 'g': return QColor(0, 255, 0);
    case 'b': return QColor(0, 0, 255);
    case 'w': return QColor(255, 255, 255);
    case '#': return QColor(255, 160, 0);
    case '.': return QColor(0, 0, 128);
    default: return QColor();
    }
}

// Rows of letters, top first, drawn over the picture's top-left pixels:
// each cell's centre pixel has its letter's colour, and nothing spills past.
void expectBitmap(const QImage& image, const std::vector<std::string>& rows, QSize drawn)
{
    const int w = static_cast<int>(rows[0].size()), h = static_cast<int>(rows.size());
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const QColor c = letterColour(rows[j][i]);
            const int x = (2 * i + 1) * drawn.width() / (2 * w), y = (2 * j + 1) * drawn.height() / (2 * h);
            EXPECT_COLOR(image, x, y, c.red(), c.green(), c.blue());
        }
    if (drawn.width() < image.width()) {
        EXPECT_EMPTY(image, drawn.width(), 0);
    }
    if (drawn.height() < image.height()) {
        EXPECT_EMPTY(image, 0, drawn.height());
    }
}

} // namespace

TEST(WmfPlayer, StretchesDeviceIndependentBitmaps)
{
    std::vector<uint8_t> dib = fourColourDib();
    const auto* bmi = reinterpret_cast<const U_BITMAPINFO*>(dib.data());
    const char* px = reinterpret_cast<const char*>(dib.data() + 40);
    // Eight bits with a palette, rows top first.
    std::vector<uint8_t> indexed(40 + 4 * 4 + 8, 0);
    const int32_t width = 2, height = -2;
    const uint32_t headerSize = 40, colours = 4;
    std::memcpy(indexed.data(), &headerSize, 4);
    std::memcpy(indexed.data() + 4, &width, 4);
    std::memcpy(indexed.data() + 8, &height, 4);
    const uint16_t planes = 1, bits = 8;
    std::memcpy(indexed.data() + 12, &planes, 2);
    std::memcpy(indexed.data() + 14, &bits, 2);
    std::memcpy(indexed.data() + 32, &colours, 4);
    const uint8_t palette[16] = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0}; // red green blue white
    std::memcpy(indexed.data() + 40, palette, 16);
    const uint8_t pixels[8] = {0, 1, 0, 0, 2, 3, 0, 0};
    std::memcpy(indexed.data() + 56, pixels, 8);
    // One bit a pixel, 37 wide (rows of 5 bytes padded to 8), bottom row first;
    // the bits past the width and the padding are set, to be ignored.
    const std::vector<uint8_t> mono =
        makeDib(37, 3, 1, {0x000080, 0xFFA000}, {0x40, 0x00, 0x00, 0x00, 0x07, 0xFF, 0xFF, 0xFF,   // bottom
                                                 0xAA, 0xAA, 0xAA, 0xAA, 0xAF, 0xFF, 0xFF, 0xFF,   // middle
                                                 0x80, 0x00, 0x00, 0x00, 0x0F, 0xFF, 0xFF, 0xFF}); // top
    const std::vector<std::string> monoRows = {
        "#...................................#",
        "#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#",
        ".#...................................",
    };

    const U_POINT16 origin{0, 0}, full{1500, 1500}, two{2, 2};
    const auto* indexedBmi = reinterpret_cast<const U_BITMAPINFO*>(indexed.data());
    const auto* indexedPx = reinterpret_cast<const char*>(indexed.data() + 56);
    const auto* monoBmi = reinterpret_cast<const U_BITMAPINFO*>(mono.data());
    const auto* monoPx = reinterpret_cast<const char*>(mono.data() + 48);
    const std::vector<std::string> quadrants = {"rg", "bw"};
    const struct {
        const char* name;
        char* record;
        std::vector<std::string> rows;
        QSize drawn; // pixels
    } cases[] = {
        {"StretchDIB", U_WMRSTRETCHDIB_set(origin, full, origin, two, U_DIB_RGB_COLORS, U_SRCCOPY, bmi, 16, px),
         quadrants, QSize(100, 100)},
        {"DIBStretchBlt", U_WMRDIBSTRETCHBLT_set(origin, full, origin, two, U_SRCCOPY, bmi, 16, px), quadrants,
         QSize(100, 100)},
        {"8-bit StretchDIB",
         U_WMRSTRETCHDIB_set(origin, full, origin, two, U_DIB_RGB_COLORS, U_SRCCOPY, indexedBmi, 8, indexedPx),
         quadrants, QSize(100, 100)},
        {"1-bit StretchDIB, pixel for pixel",
         U_WMRSTRETCHDIB_set(origin, U_POINT16{37 * 15, 3 * 15}, origin, U_POINT16{37, 3}, U_DIB_RGB_COLORS, U_SRCCOPY,
                             monoBmi, 24, monoPx),
         monoRows, QSize(37, 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WmfBuilder b = square();
        b.add(c.record);
        Rendered r = render(b.bytes());
        ASSERT_TRUE(r.ok) << r.why;
        expectBitmap(r.image, c.rows, c.drawn);
    }
}

namespace {

// Blue text of 20 pixels in the given font, object 0 selected.
WmfBuilder& blueText(WmfBuilder& b, int16_t escapement = 0, uint8_t underline = 0, int16_t weight = 700)
{
    U_FONT* font = U_FONT_set(-300, 0, escapement, escapement, weight, 0, underline, 0, 0, 0, 0, 0, 0,
                              const_cast<char*>("Liberation Sans"));
    b.add(U_WMRCREATEFONTINDIRECT_set(font)).select(0).add(U_WMRSETTEXTCOLOR_set(U_RGB(0, 0, 255)));
    std::free(font);
    return b;
}

bool isBlueInk(QColor c)
{
    return c.alpha() > 128 && c.blue() > 128 && c.red() < 100 && c.green() < 100;
}
bool isYellow(QColor c)
{
    return c.alpha() > 200 && c.red() > 200 && c.green() > 200 && c.blue() < 60;
}

// The pixels that pass `test`: how many, and the rectangle around them.
struct Found {
    int count = 0;
    QRect box;
};
Found findPixels(const QImage& image, bool (*test)(QColor))
{
    Found f;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixelColor(x, y))) {
                ++f.count;
                f.box |= QRect(x, y, 1, 1);
            }
    return f;
}

} // namespace

// The background mode decides whether the gaps of text, hatched brushes and
// dashed pens take the background colour or stay see-through.
TEST(WmfPlayer, BackgroundModeFillsOrLeavesTheGaps)
{
    for (const uint16_t mode : {uint16_t(U_TRANSPARENT), uint16_t(U_OPAQUE)}) {
        SCOPED_TRACE(mode == U_OPAQUE ? "opaque" : "transparent");
        const bool opaque = mode == U_OPAQUE;
        WmfBuilder b = square();
        blueText(b)
            .add(U_WMRSETBKCOLOR_set(U_RGB(255, 255, 0)))
            .add(U_WMRSETBKMODE_set(mode))
            .add(U_WMRTEXTOUT_set(U_POINT16{150, 150}, const_cast<char*>("HH"))) // top-left at 10,10
            .add(U_WMRCREATEBRUSHINDIRECT_set(U_WLOGBRUSH_set(U_BS_HATCHED, U_RGB(255, 0, 0), U_HS_HORIZONTAL)))
            .select(1)
            .pen(U_PS_NULL, 0, 0, 0, 0)
            .select(2)
            .rectangle(0, 750, 750, 1500) // pixels 0..50 x 50..100
            .pen(U_PS_DASH, 0, 0, 128, 0)
            .select(3)
            .add(U_WMRMOVETO_set(U_POINT16{900, 1200}))
            .add(U_WMRLINETO_set(U_POINT16{1500, 1200})); // y = 80 from x = 60
        Rendered r = render(b.bytes());
        ASSERT_TRUE(r.ok) << r.why;

        // The text's cell, 10,10 onwards: yellow between the letters only when opaque.
        const QImage text = r.image.copy(0, 0, 100, 45);
        EXPECT_GT(findPixels(text, isBlueInk).count, 40);
        const Found back = findPixels(text, isYellow);
        if (opaque) {
            EXPECT_GT(back.count, 100);
            EXPECT_EQ(back.box.topLeft(), QPoint(10, 10));
        } else {
            EXPECT_EQ(back.count, 0) << "first at " << back.box.x() << "," << back.box.y();
        }
        // Red hatch lines run across; between them yellow or nothing.
        int redRows = 0, gapRows = 0;
        for (int y = 52; y < 98; ++y) {
            bool red = true, gap = true;
            for (int x = 2; x < 48; ++x) {
                const QColor c = r.image.pixelColor(x, y);
                red = red && isColor(r.image, x, y, 255, 0, 0);
                gap = gap && (opaque ? isYellow(c) : c.alpha() == 0);
            }
            redRows += red;
            gapRows += gap;
        }
        EXPECT_GE(redRows, 4);
        EXPECT_GE(gapRows, 20);
        // The dashes are green (the line straddles rows 79 and 80, each half
        // covered); their gaps as the text's.
        int green = 0, gaps = 0;
        for (int x = 62; x < 98; ++x) {
            const QColor c = r.image.pixelColor(x, 80);
            green += c.alpha() > 0 && c.green() > c.red() + 40 && c.blue() < 60;
            const bool yellow = c.alpha() > 100 && c.red() > 200 && c.green() > 200 && c.blue() < 60;
            gaps += opaque ? yellow : c.alpha() == 0;
        }
        EXPECT_GE(green, 6);
        EXPECT_GE(gaps, 6);
        EXPECT_EQ(green + gaps, 36);
    }
}

// Text alignment places the text's box on the reference point 50,50 by its
// left, centre or right, and its top, baseline or bottom; with "update" the
// text starts at the current position and moves it on.
TEST(WmfPlayer, TextAlignmentPlacesTheTextOnItsPoint)
{
    const struct {
        const char* name;
        uint16_t align;
        bool (*fits)(QRect ink);
    } cases[] = {
        {"top left", 0, [](QRect i) { return i.left() >= 50 && i.left() <= 53 && i.top() >= 50 && i.top() <= 56; }},
        {"centre", U_TA_CENTER, [](QRect i) { return std::abs(i.center().x() - 50) <= 1 && i.top() >= 50; }},
        {"right", U_TA_RIGHT, [](QRect i) { return i.right() <= 49 && i.right() >= 46 && i.top() >= 50; }},
        {"baseline", U_TA_BASELINE, [](QRect i) { return i.bottom() == 49 && i.left() >= 50; }},
        {"bottom", U_TA_BOTTOM, [](QRect i) { return i.bottom() >= 40 && i.bottom() <= 46 && i.left() >= 50; }},
        {"update", U_TA_UPDATECP, [](QRect i) { return i.left() >= 10 && i.left() <= 13 && i.right() > 60; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WmfBuilder b = square();
        blueText(b).add(U_WMRSETTEXTALIGN_set(c.align)).add(U_WMRMOVETO_set(U_POINT16{150, 150}));
        b.add(U_WMRTEXTOUT_set(U_POINT16{750, 750}, const_cast<char*>("HH")));
        if (c.align == U_TA_UPDATECP) // the second text goes on where the first ended
            b.add(U_WMRTEXTOUT_set(U_POINT16{750, 750}, const_cast<char*>("HH")));
        Rendered r = render(b.bytes());
        ASSERT_TRUE(r.ok) << r.why;
        const QRect ink = findPixels(r.image, isBlueInk).box;
        EXPECT_TRUE(c.fits(ink)) << "ink " << ink.left() << "," << ink.top() << " to " << ink.right() << ","
                                 << ink.bottom();
    }
}

// The font's escapement turns the text, its underline draws below it, its
// weight thickens it; a clipped text stops at its rectangle.
TEST(WmfPlayer, FontAndClippingShapeTheText)
{
    auto inkOf = [](int16_t escapement, uint8_t underline, int16_t weight, bool clipped) {
        WmfBuilder b = square();
        blueText(b, escapement, underline, weight).add(U_WMRSETTEXTALIGN_set(U_TA_BASELINE));
        int16_t dx[] = {210, 210, 210, 210};
        // The left half only. A file holds this rectangle left, top, right,
        // bottom; libUEMF's writer stores its fields the other way round.
        const U_RECT16 leftHalf{1500, 750, 0, 0};
        b.add(U_WMREXTTEXTOUT_set(U_POINT16{300, 750}, 4, clipped ? U_ETO_CLIPPED : 0, "HHHH", dx, leftHalf));
        Rendered r = render(b.bytes());
        EXPECT_TRUE(r.ok) << r.why;
        return findPixels(r.image, isBlueInk);
    };
    const Found plain = inkOf(0, 0, 700, false);
    EXPECT_GT(plain.box.width(), 45); // four letters 14 pixels apart from 20,50
    EXPECT_LT(plain.box.height(), 20);
    EXPECT_EQ(plain.box.bottom(), 49);

    const Found turned = inkOf(900, 0, 700, false); // a quarter turn: reading upwards from 20,50
    EXPECT_GT(turned.box.height(), 45);
    EXPECT_LT(turned.box.width(), 20);
    EXPECT_LE(turned.box.bottom(), 50);
    EXPECT_LE(turned.box.right(), 20);

    const Found underlined = inkOf(0, 1, 700, false);
    EXPECT_GT(underlined.box.bottom(), 50);
    EXPECT_GT(underlined.count, plain.count);

    EXPECT_LT(inkOf(0, 0, 400, false).count, plain.count); // regular is thinner than bold

    const Found clipped = inkOf(0, 0, 700, true);
    EXPECT_LE(clipped.box.right(), 49);
    EXPECT_GT(clipped.count, 0);
}

// An arc and a polyline are lines only, even with a brush selected.
TEST(WmfPlayer, ArcsAndPolylinesAreLinesOnly)
{
    WmfBuilder b = square();
    b.solidBrush(255, 0, 0).select(0).pen(U_PS_SOLID, 45, 0, 128, 0).select(1); // 3 pixels wide
    // From 3 o'clock to 12 o'clock, counter-clockwise: the top right quarter of a circle of radius 40 round 50,50.
    b.add(U_WMRARC_set(U_POINT16{1500, 750}, U_POINT16{750, 0}, WmfBuilder::rect(150, 150, 1350, 1350)));
    const U_POINT16 zigzag[] = {{150, 1050}, {450, 1350}, {750, 1050}};
    b.add(U_WMRPOLYLINE_set(3, zigzag)); // 10,70 to 30,90 to 50,70
    Rendered r = render(b.bytes());
    ASSERT_TRUE(r.ok) << r.why;
    EXPECT_COLOR(r.image, 50 + 28, 50 - 28, 0, 128, 0); // on the arc at 45 degrees
    EXPECT_COLOR(r.image, 50, 10, 0, 128, 0);
    EXPECT_EMPTY(r.image, 50 - 28, 50 + 28); // the quarter it does not run through
    EXPECT_EMPTY(r.image, 50 - 28, 50 - 28);
    EXPECT_EMPTY(r.image, 70, 30); // inside: no fill
    EXPECT_COLOR(r.image, 20, 80, 0, 128, 0);
    EXPECT_COLOR(r.image, 40, 80, 0, 128, 0);
    EXPECT_EMPTY(r.image, 30, 75); // between the two strokes, where a polygon would fill
}

// Blocks: PatBlt and a DibBitBlt without a bitmap fill with the brush, black
// or white; a DibBitBlt with one copies it pixel for pixel; a pattern brush
// tiles its bitmap.
TEST(WmfPlayer, BlocksAndBitmapBrushesFillTheirArea)
{
    const std::vector<uint8_t> dib = fourColourDib(); // red green / blue white
    const auto* bmi = reinterpret_cast<const U_BITMAPINFO*>(dib.data());
    const char* px = reinterpret_cast<const char*>(dib.data() + 40);
    WmfBuilder b = square();
    b.solidBrush(255, 0, 0).select(0);
    b.add(U_WMRPATBLT_set(U_POINT16{0, 0}, U_POINT16{300, 300}, U_PATCOPY));     // red 0..20
    b.add(U_WMRPATBLT_set(U_POINT16{300, 0}, U_POINT16{300, 300}, U_BLACKNESS)); // black 20..40
    b.add(U_WMRPATBLT_set(U_POINT16{600, 0}, U_POINT16{300, 300}, U_WHITENESS)); // white 40..60
    b.add(U_WMRDIBBITBLT_set(U_POINT16{900, 0}, U_POINT16{300, 300}, U_POINT16{0, 0}, U_BLACKNESS, nullptr, 0,
                             nullptr)); // black 60..80
    b.add(U_WMRDIBBITBLT_set(U_POINT16{0, 750}, U_POINT16{30, 30}, U_POINT16{0, 0}, U_SRCCOPY, bmi, 16, px));
    b.add(U_WMRDIBCREATEPATTERNBRUSH_set(U_BS_DIBPATTERNPT, U_DIB_RGB_COLORS, bmi, 16, px, nullptr)).select(1);
    b.pen(U_PS_NULL, 0, 0, 0, 0).select(2).rectangle(750, 750, 1500, 1500); // 50..100, tiled
    Rendered r = render(b.bytes());
    ASSERT_TRUE(r.ok) << r.why;
    EXPECT_COLOR(r.image, 10, 10, 255, 0, 0);
    EXPECT_COLOR(r.image, 30, 10, 0, 0, 0);
    EXPECT_COLOR(r.image, 50, 10, 255, 255, 255);
    EXPECT_COLOR(r.image, 70, 10, 0, 0, 0);
    EXPECT_EMPTY(r.image, 90, 10);
    // The bitmap at 0,50, one pixel for one.
    EXPECT_COLOR(r.image, 0, 50, 255, 0, 0);
    EXPECT_COLOR(r.image, 1, 50, 0, 255, 0);
    EXPECT_COLOR(r.image, 0, 51, 0, 0, 255);
    EXPECT_COLOR(r.image, 1, 51, 255, 255, 255);
    EXPECT_EMPTY(r.image, 2, 50);
    // The pattern: all four colours in any 2 x 2 of the rectangle, none outside it.
    int colours = 0;
    for (const QColor c : {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), QColor(255, 255, 255)}) {
        bool seen = false;
        for (int y = 70; y < 72; ++y)
            for (int x = 70; x < 72; ++x) seen = seen || r.image.pixelColor(x, y) == c;
        colours += seen;
    }
    EXPECT_EQ(colours, 4);
    EXPECT_EMPTY(r.image, 48, 70);
}
