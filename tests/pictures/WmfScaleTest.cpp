// Pictures drawn for a high-density screen: more pixels to each of the
// picture's own, the same size, places and look of the thinnest lines.
#include "platform/WmfPlayer.h"
#include "WmfBuilder.h"

#include <QColor>
#include <gtest/gtest.h>

TEST(WmfPlayer, DrawsAtAScreensPixelRatio)
{
    // 105 x 97 pixels, 15 units a pixel: a red box at pixels 10..50 x 10..40,
    // then a line of the thinnest pen along y = 80 from x = 60.
    WmfBuilder b = WmfBuilder::placeable(1575, 1455).window(0, 0, 1575, 1455);
    b.solidBrush(255, 0, 0).select(0).pen(U_PS_NULL, 0, 0, 0, 0).select(1).rectangle(150, 150, 750, 600);
    b.pen(U_PS_SOLID, 0, 0, 0, 255).select(2);
    b.add(U_WMRMOVETO_set(U_POINT16{900, 1200})).add(U_WMRLINETO_set(U_POINT16{1500, 1200}));
    for (double scale : {1.0, 1.5, 2.0, 3.0}) {
        SCOPED_TRACE(scale);
        const Result<QImage> r = renderWmf(b.bytes(), scale);
        ASSERT_TRUE(r.ok()) << static_cast<int>(r.error);
        const QImage& image = r.value;
        EXPECT_EQ(image.size(), (QSizeF(105, 97) * scale).toSize());
        EXPECT_EQ(image.devicePixelRatio(), scale);
        auto at = [&](double x, double y) { return image.pixelColor(int(x * scale), int(y * scale)); };
        EXPECT_EQ(at(11, 11), QColor(255, 0, 0));
        EXPECT_EQ(at(49.5, 39.5), QColor(255, 0, 0));
        EXPECT_EQ(at(51, 25).alpha(), 0);
        double cover = 0; // how many image pixels thick the line is
        for (int y = 0; y < image.height(); ++y) cover += image.pixelColor(int(80 * scale), y).alphaF();
        EXPECT_NEAR(cover, scale, 0.35 * scale);
    }
    // However dense the screen, no side grows past the player's limit.
    const Result<QImage> wide = renderWmf(WmfBuilder::placeable(3000, 100, 96).bytes(), 2.0);
    ASSERT_TRUE(wide.ok()) << static_cast<int>(wide.error);
    EXPECT_EQ(wide.value.width(), 4096);
    EXPECT_NEAR(wide.value.deviceIndependentSize().width(), 3000, 1);
}
