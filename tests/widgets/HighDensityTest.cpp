// The board on a high-density screen: drawn for the screen's own pixels, not
// enlarged from the board's.
#include "GameWindowFixture.h"

#include "doubles/TempFolder.h"

#include <QProcess>
#include <QScreen>

namespace {
QString boardSnapshot(double ratio) { return QString(PAROLIX_SNAPSHOT_DIR "/game-board-x%1.png").arg(ratio); }

// The first row of the pool: tiles and letters, at the same place whatever
// the window's width.
const QRect PoolRow(0, 129, 270, 43);

// Pixels of two images of the same size whose colours differ clearly.
int clearlyDifferent(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            count += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue()) > 96;
        }
    return count;
}
} // namespace

TEST_F(GameWindow, TheBoardIsDrawnForTheScreensPixels)
{
    scriptCatAndDog();
    open();
    carry(1, 1, 1); // a letter placed by the player too
    const double ratio = form->devicePixelRatioF();
    EXPECT_EQ(form->boardImage().devicePixelRatio(), ratio);
    const QSize covered = (QSizeF(client()->size()) * ratio).toSize();
    EXPECT_TRUE(form->boardImage().width() >= covered.width() && form->boardImage().height() >= covered.height());
    const QImage shown = client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_TRUE(shown.save(boardSnapshot(ratio)));
    if (ratio != 1) return; // the comparison is made by the run at 1x

    // The same board on a screen of twice the density, in a run of its own:
    // twice the pixels, so the board's own size is the same as here.
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size() * 2;
    TempFolder folder;
    folder.write("screen.json", QString(R"({"screens": [{"name": "dense", "x": 0, "y": 0, "width": %1, )"
                                        R"("height": %2, "logicalDpi": 96, "logicalBaseDpi": 96}]})")
                                    .arg(screen.width())
                                    .arg(screen.height())
                                    .toStdString());
    QProcess twice;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", "2");
    const std::string config = (folder.path / "screen.json").string();
    env.insert("QT_QPA_PLATFORM", QString::fromStdString("offscreen:configfile=" + config));
    twice.setProcessEnvironment(env);
    twice.setProcessChannelMode(QProcess::MergedChannels);
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    twice.start(QCoreApplication::applicationFilePath(),
                {QString("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
    ASSERT_TRUE(twice.waitForFinished(60000));
    ASSERT_EQ(twice.exitCode(), 0) << twice.readAll().toStdString();
    const QImage sharp = QImage(boardSnapshot(2)).convertToFormat(QImage::Format_RGB32);
    const QRect row2(PoolRow.topLeft() * 2, PoolRow.size() * 2);
    ASSERT_TRUE(sharp.rect().contains(row2));

    const QImage part = sharp.copy(row2), small = shown.copy(PoolRow);
    const QImage enlarged = small.scaled(row2.size()); // each pixel twice as wide and high
    // The same tiles in the same places: most pixels agree with the 1x board
    // (about 2% differ)...
    const int differ = clearlyDifferent(part, enlarged);
    EXPECT_LT(differ, part.width() * part.height() / 10);
    // ... but the letters' edges are drawn anew (about 1000 pixels differ; 136
    // when the board is drawn at 1x and enlarged on the screen).
    EXPECT_GT(differ, 400);
    int notBlocks = 0; // 2 x 2 squares not of one colour: only a drawing at 2x has them (about 550)
    for (int y = 0; y + 1 < part.height(); y += 2)
        for (int x = 0; x + 1 < part.width(); x += 2)
            notBlocks += part.pixel(x, y) != part.pixel(x + 1, y) || part.pixel(x, y) != part.pixel(x, y + 1) ||
                         part.pixel(x, y) != part.pixel(x + 1, y + 1);
    EXPECT_GT(notBlocks, 100);
}
