// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Pictures drawn for a high-density screen: more pixels to each of the
// picture's own, the same size and places, the thinnest lines as thick.
#include "Pictures.h"
#include "WmfBuilder.h"

#include <QColor>
#include <gtest/gtest.h>

TEST(WmfPlayer, DrawsAtAScreensPixelRatio)
{
    // 105 x 97 pixels: a red box at 10..50 x 10..40, a line of the thinnest pen along y = 80.
    WmfBuilder b = WmfBuilder::placeable(1575, 1455).window(0, 0, 1575, 1455);
    b.solidBrush(255, 0, 0).select(0).pen(U_PS_NULL, 0, 0, 0, 0).select(1).rectangle(150, 150, 750, 600);
    b.pen(U_PS_SOLID, 0, 0, 0, 255).select(2);
    b.add(U_WMRMOVETO_set(U_POINT16{900, 1200})).add(U_WMRLINETO_set(U_POINT16{1500, 1200}));
    for (double scale : {1.0, 1.5, 2.0, 3.0}) {
        SCOPED_TRACE(scale);
        const QImage image = renderWmf(b.bytes(), {}, scale).value;
        EXPECT_EQ(image.size(), (QSizeF(105, 97) * scale).toSize());
        EXPECT_EQ(image.devicePixelRatio(), scale);
        EXPECT_EQ(image.pixelColor(int(49.5 * scale), int(39.5 * scale)), QColor(255, 0, 0));
        EXPECT_EQ(image.pixelColor(int(51 * scale), int(25 * scale)).alpha(), 0);
        double cover = 0; // how many image pixels thick the line is
        for (int y = 0; y < image.height(); ++y) cover += image.pixelColor(int(80 * scale), y).alphaF();
        EXPECT_NEAR(cover, scale, 0.35 * scale);
    }
    // However dense the screen, no side grows past the player's limit.
    const QImage wide = renderWmf(WmfBuilder::placeable(3000, 100, 96).bytes(), {}, 2.0).value;
    EXPECT_EQ(wide.width(), 4096);
    EXPECT_NEAR(wide.deviceIndependentSize().width(), 3000, 1);
}
