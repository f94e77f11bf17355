// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The board on a high-density screen: drawn for the screen's own pixels, not
// enlarged from the board's.
#include "GameWindowFixture.h"
#include "doubles/TempFolder.h"

#include <QProcess>
#include <QScreen>
#include <fstream>
#ifdef _WIN32
// clang-format off
#include <windows.h>
#include <psapi.h>
// clang-format on
#endif

namespace {
// Runs the named test in a child process on an offscreen screen of this
// size, at this scale factor; true when it ran and passed.
bool passesOnAScreenOf(QSize size, const char* name, const char* scale = "1")
{
    TempFolder folder;
    folder.write("screen.json", QString(R"({"screens": [{"name": "test", "width": %1, "height": %2}]})")
                                    .arg(size.width())
                                    .arg(size.height())
                                    .toStdString());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", scale);
    // The file by a name of its own, in the child's folder: a platform's
    // options are parted by colons, which a Windows path holds.
    env.insert("QT_QPA_PLATFORM", "offscreen:configfile=screen.json");
    QProcess child;
    child.setWorkingDirectory(QString::fromStdWString(folder.path.wstring()));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QString("--gtest_filter=") + name});
    const bool finished = child.waitForFinished(60000);
    const std::string said = child.readAll().toStdString();
    EXPECT_TRUE(finished && child.exitCode() == 0 && said.find("[  PASSED  ] 1 test") != std::string::npos)
        << name << ":\n"
        << said;
    return finished && child.exitCode() == 0;
}

// Runs the named test again on a screen of this size, unless this
// process's screen has it already: true when the child ran, and its result
// then stands for the test.
bool ranOnAScreenOf(QSize size, const char* name)
{
    if (QGuiApplication::primaryScreen()->geometry().size() == size) return false;
    (void)passesOnAScreenOf(size, name);
    return true;
}
} // namespace

TEST_F(GameWindow, TheBoardIsDrawnForTheScreensPixels)
{
    scriptCatAndDog();
    open();
    carry(1, 1, 1); // a letter placed by the player too
    const double ratio = form->devicePixelRatioF();
    EXPECT_EQ(form->boardImage().devicePixelRatio(), ratio);
    EXPECT_GE(form->boardImage().width(), client()->width() * ratio);
    const QString snapshot = PAROLIX_SNAPSHOT_DIR "/game-board-x%1.png";
    const QImage shown = client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_TRUE(shown.save(snapshot.arg(ratio)));
    if (ratio != 1) return; // the comparison is made by the run at 1x

    // The same board in a run of its own on a screen of twice the density
    // and twice the pixels, so the board's own size is the same as here.
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size() * 2;
    ASSERT_TRUE(passesOnAScreenOf(screen, "GameWindow.TheBoardIsDrawnForTheScreensPixels", "2"));

    // The first row of the pool, the same place at any width: at 2x, and at 1x
    // with each pixel made twice as wide and high.
    const QRect row(0, 129, 270, 43), row2(0, 258, 540, 86);
    const QImage sharp = QImage(snapshot.arg(2)).convertToFormat(QImage::Format_RGB32).copy(row2);
    const QImage enlarged = shown.copy(row).scaled(row2.size());
    int differ = 0, notBlocks = 0; // 2 x 2 squares not of one colour: only a drawing at 2x has them
    for (int y = 0; y < row2.height(); ++y)
        for (int x = 0; x < row2.width(); ++x) {
            const QColor p = sharp.pixelColor(x, y), q = enlarged.pixelColor(x, y);
            differ +=
                std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue()) > 96;
            if (x % 2 == 0 && y % 2 == 0)
                notBlocks += sharp.pixel(x, y) != sharp.pixel(x + 1, y) || sharp.pixel(x, y) != sharp.pixel(x, y + 1) ||
                             sharp.pixel(x, y) != sharp.pixel(x + 1, y + 1);
        }
    // The same tiles in the same places (about 2% of the pixels differ), but
    // the letters' edges drawn anew: about 1000 pixels differ and 550 squares
    // are not one colour; drawn at 1x and enlarged, 136 and none.
    EXPECT_LT(differ, row2.width() * row2.height() / 10);
    EXPECT_GT(differ, 400);
    EXPECT_GT(notBlocks, 100);

    // Moved to such a screen, this board is drawn anew for it, the same as
    // the one that started there; moved back, it is the same as before.
    const QImage before = form->boardImage().copy();
    form->clientArea()->redrawAt(2);
    EXPECT_EQ(form->boardImage().devicePixelRatio(), 2);
    EXPECT_EQ(form->boardImage().copy(row2), sharp);
    form->clientArea()->redrawAt(1);
    EXPECT_EQ(form->boardImage(), before);
}

namespace {
// The most memory the process has held so far, in bytes.
long long peakMemory()
{
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS m{};
    GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof m);
    return static_cast<long long>(m.PeakWorkingSetSize);
#else
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stoll(line.substr(6)) * 1024;
    return 0;
#endif
}

} // namespace

// A game on a screen of 7680 x 4320: the board keeps what it drew, not an
// image of the whole area. The window's own backing store (what Qt paints
// into, 4 bytes a pixel) is the only screen-sized memory; the board and all
// else of the game stay within 100 MB.
TEST_F(GameWindow, TheBoardOfAHugeScreenTakesLittleMemory)
{
    if (ranOnAScreenOf({7680, 4320}, "GameWindow.TheBoardOfAHugeScreenTakesLittleMemory")) return;
    const long long before = peakMemory();
    scriptCatAndDog();
    open();
    carry(1, 1, 1);
    form->repaint();
    const long long backingStore = 4LL * form->width() * form->height();
    const long long grown = peakMemory() - before;
    std::printf("peak memory grew by %lld MB, %lld MB of it the backing store\n", grown >> 20, backingStore >> 20);
    EXPECT_LT(grown - backingStore, 100LL << 20);
}

// On a screen of 640 x 480 the game window fits, frame and all, whether
// maximized or as the game sizes it before maximizing.
TEST_F(GameWindow, TheWindowFitsASmallScreen)
{
    if (ranOnAScreenOf({640, 480}, "GameWindow.TheWindowFitsASmallScreen")) return;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    scriptCatAndDog();
    open();
    EXPECT_TRUE(form->isMaximized());
    EXPECT_TRUE(screen.contains(form->frameGeometry())) << form->frameGeometry().height();
    form->showNormal();
    QTest::qWait(50);
    const QRect normal = form->frameGeometry();
    EXPECT_TRUE(screen.contains(normal)) << normal.width() << " x " << normal.height();
    EXPECT_EQ(normal.size(), QSize(640, 480 - 33)); // 500 twips left free below
}
