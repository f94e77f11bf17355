// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "LauncherFixture.h"

#include "ui/Look.h"
#include "ui/Messages.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <functional>

namespace {
// The about box's window is closed from its title bar.
void closeFromTitleBar(QWidget* w)
{
    QWindow* window = w->windowHandle();
    ASSERT_TRUE(window);
    QCloseEvent e;
    QApplication::sendEvent(window, &e);
}
} // namespace

// F6 shows the box over a disabled game window; "&OK" gives the game window
// back, enabled and active, with the arrow.
TEST_F(Launcher, AboutBoxDisablesTheGameUntilOk)
{
    open();
    Form2* game = startGame(0);
    ASSERT_TRUE(game);
    QTest::keyClick(game, Qt::Key_F6);
    Form3* box = aboutBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->windowTitle(), "Parolix Vers. 3.00");
    EXPECT_EQ(box->size(), QSize(431, 236));
    EXPECT_FALSE(game->isEnabled());
    EXPECT_EQ(box->Command3d1->text(), "&OK");
    EXPECT_EQ(box->Label1[1]->text(), "Made in Italy");
    EXPECT_EQ(box->Label1[2]->text(), "Parolix Team  -  " PAROLIX_CONTACT);
    EXPECT_EQ(box->Label1[0]->text(), WebSiteText);
    EXPECT_EQ(box->Picture1->pixmap().size(), QSize(90, 114));
    EXPECT_EQ(box->Picture2->pixmap().size(), QSize(60, 47));
    EXPECT_EQ(box->Picture1->geometry(), QRect(8, 8, 94, 118));
    EXPECT_EQ(box->Picture2->geometry(), QRect(22, 166, 64, 51));
    EXPECT_EQ(box->Command3d1->geometry(), QRect(116, 166, 293, 51));

    // The flag, pixel by pixel, shown on white where it is transparent: the
    // three bands of the tricolour, white around them.
    const QImage flag = Artwork::flag().toImage().convertToFormat(QImage::Format_ARGB32);
    QImage onWhite(flag.size(), QImage::Format_RGB32);
    onWhite.fill(Qt::white);
    QPainter(&onWhite).drawImage(0, 0, flag);
    const QImage shown = box->Picture2->grab().toImage();
    const QPoint at((shown.width() - flag.width()) / 2, (shown.height() - flag.height()) / 2);
    int differ = 0, green = 0, red = 0;
    for (int y = 0; y < flag.height(); ++y)
        for (int x = 0; x < flag.width(); ++x) {
            const QColor c = shown.pixelColor(at + QPoint(x, y));
            differ += c != onWhite.pixelColor(x, y);
            green += c.green() > 100 && c.red() < 80 && c.blue() < 120;
            red += c.red() > 160 && c.green() < 80 && c.blue() < 80;
        }
    EXPECT_EQ(differ, 0);
    EXPECT_TRUE(green > 100 && red > 100) << green << " green, " << red << " red";
    ASSERT_TRUE(QTest::qWaitForWindowActive(box));

    // The game's clock goes on counting meanwhile.
    double elapsed = s.ElapsedSeconds;
    fp.clock.steady = {s.RoundStart + 7.0};
    EXPECT_TRUE(QTest::qWaitFor([&] { return s.ElapsedSeconds != elapsed; }, 2500));
    EXPECT_EQ(s.ElapsedSeconds, 7.0);

    // The game window takes no keys meanwhile: F1 shows no help.
    size_t before = fp.dialogs.shown.size();
    QTest::keyClick(game, Qt::Key_F1);
    EXPECT_EQ(fp.dialogs.shown.size(), before);
    snapshot(box, "about");

    moveOver(box->Label1[0], QPoint(20, 8));
    EXPECT_EQ(pointer(), PointerShape::Hand);
    QTest::mouseClick(box->Command3d1, Qt::LeftButton);
    settle();
    EXPECT_EQ(aboutBox(), nullptr);
    EXPECT_TRUE(game->isEnabled());
    EXPECT_EQ(pointer(), PointerShape::Arrow);
    EXPECT_TRUE(QTest::qWaitForWindowActive(game));
    QTest::keyClick(game, Qt::Key_F1);
    EXPECT_EQ(fp.dialogs.shown.size(), before + 1);

    // A second showing disables the game window again.
    QTest::keyClick(game, Qt::Key_F6);
    ASSERT_TRUE(aboutBox());
    EXPECT_FALSE(game->isEnabled());
}

// Closing the box from its title bar, with Esc, or with Enter (which presses
// "&OK", its only button) does what "&OK" does.
TEST_F(Launcher, AboutBoxClosedOtherwise)
{
    open();
    Form2* game = startGame(1);
    ASSERT_TRUE(game);
    const std::pair<const char*, std::function<void(Form3*)>> ways[] = {
        {"title bar", [](Form3* box) { closeFromTitleBar(box); }},
        {"Esc", [](Form3* box) { QTest::keyClick(box, Qt::Key_Escape); }},
        {"Enter", [](Form3* box) { QTest::keyClick(box->Command3d1, Qt::Key_Return); }},
    };
    for (const auto& [way, close] : ways) {
        SCOPED_TRACE(way);
        ASSERT_TRUE(QTest::qWaitForWindowActive(game));
        QTest::keyClick(game, Qt::Key_F6);
        Form3* box = aboutBox();
        ASSERT_TRUE(box);
        EXPECT_FALSE(game->isEnabled());
        ASSERT_TRUE(QTest::qWaitForWindowActive(box));
        moveOver(box->Label1[0], QPoint(20, 8));
        close(box);
        settle();
        EXPECT_EQ(aboutBox(), nullptr);
        EXPECT_TRUE(game->isEnabled());
        EXPECT_EQ(pointer(), PointerShape::Arrow);
    }
}

// The hand over the web address only; the arrow over the background, the
// flag and "&OK"; the emblem and the other labels change nothing.
TEST_F(Launcher, AboutBoxPointer)
{
    open();
    Form2* game = startGame(0);
    ASSERT_TRUE(game);
    QTest::keyClick(game, Qt::Key_F6);
    Form3* box = aboutBox();
    ASSERT_TRUE(box);
    ASSERT_TRUE(QTest::qWaitForWindowActive(box));
    settle();
    moveOver(box->Label1[0], QPoint(20, 8));
    EXPECT_EQ(pointer(), PointerShape::Hand);
    moveOver(box->Picture1, QPoint(40, 40));
    moveOver(box->Label1[2], QPoint(40, 5));
    moveOver(box->Label1[1], QPoint(40, 5));
    EXPECT_EQ(pointer(), PointerShape::Hand);
    moveOver(box, QPoint(300, 30));
    EXPECT_EQ(pointer(), PointerShape::Arrow);
    moveOver(box->Label1[0], QPoint(20, 8));
    moveOver(box->Picture2, QPoint(30, 20));
    EXPECT_EQ(pointer(), PointerShape::Arrow);
    moveOver(box->Label1[0], QPoint(20, 8));
    moveOver(box->Command3d1, QPoint(30, 20));
    EXPECT_EQ(pointer(), PointerShape::Arrow);
    QTest::mouseClick(box->Command3d1, Qt::LeftButton);
}
