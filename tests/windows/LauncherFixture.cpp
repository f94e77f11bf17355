// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "LauncherFixture.h"

#include <QDir>
#include <QPainter>

void Launcher::SetUp()
{
    QApplication::setQuitOnLastWindowClosed(false);
    fp.files.content["lexorda.DAT"] = readDataFile("lexorda.DAT");
    fp.files.content["LEXORDA.htm"] = "<html></html>";
    for (int t = 0; t < GenreCount; ++t) fp.pictures.images[genrePictureFile(t)] = standInPicture(t);
    fp.clock.times = {36000.0};
    // Plenty of varied draws for the deals of several games.
    uint32_t x = 12345;
    for (int i = 0; i < 50000; ++i) {
        x = x * 1664525u + 1013904223u;
        fp.random.draws.push_back((x >> 8) / 16777216.0);
    }
}

void Launcher::TearDown()
{
    // The window system drops a move to where the mouse already is, so the
    // mouse leaves for a point that no test uses.
    if (launcher && launcher->windowHandle()) QTest::mouseMove(launcher->windowHandle(), QPoint(-7, -7));
    // Deleting one window may take others with it.
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<Form3*>(w) || qobject_cast<Form2*>(w)) windows.push_back(w);
    for (const auto& w : windows)
        if (w) delete w.data();
    settle();
    launcher.reset();
    settle();
}

void Launcher::settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void Launcher::open()
{
    launcher = std::make_unique<Form1>(s, fp.platform, records);
    launcher->Form_Load();
    launcher->show();
    launcher->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(launcher.get()));
    settle();
}

Form2* Launcher::startGame(int t)
{
    QTest::mouseClick(launcher->pittura[t], Qt::LeftButton, {}, QPoint(40, 40));
    Form2* game = launcher->gameWindow();
    if (!game) return nullptr;
    QPointer<Form2> guard(game);
    EXPECT_TRUE(QTest::qWaitFor([&] { return guard.isNull() || guard->firstDealDone(); }, 5000));
    if (!guard) return nullptr;
    game->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(game));
    settle();
    return game;
}

void Launcher::waitGameGone()
{
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<Form2*>(w)) return false;
            return true;
        },
        5000));
    settle();
}

void Launcher::moveOver(QWidget* w, QPoint pos)
{
    QWidget* top = w->window();
    QTest::mouseMove(top->windowHandle(), w->mapTo(top, pos));
}

Form3* Launcher::aboutBox()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<Form3*>(w); box && box->isVisible()) return box;
    return nullptr;
}

void Launcher::useShippedPictures()
{
    WmfPictures shipped(PAROLIX_DATA_DIR);
    for (int t = 0; t < GenreCount; ++t) {
        std::string name = genrePictureFile(t);
        QImage picture = shipped.load(name).value;
        if (!picture.isNull()) fp.pictures.images[name] = picture;
    }
}

QImage Launcher::standInPicture(int t, QSize size)
{
    QImage img(size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor::fromHsv(t * 45, 160, 230));
    p.setPen(QPen(Qt::black, 2));
    p.drawEllipse(QRectF(4, 4, size.width() - 8, size.height() - 8));
    return img;
}
