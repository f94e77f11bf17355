// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The installed game, started as main() starts it but with the installed
// program folder, played through real Qt events: the name typed, a right
// letter carried, F2. The name and the score must land in the player's folder
// and come back at the next start. check_install.sh installs the game and
// runs this with PAROLIX_INSTALLED_PREFIX and a fresh XDG_DATA_HOME.
#include "game/Board.h"
#include "gamewindow/Form2.h"
#include "launcher/Parolix.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

std::string env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

std::string fileText(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string padded(const std::string& s, size_t width)
{
    return s + std::string(width - s.size(), ' ');
}

// Answers each message box with its OK button, as a player would, and keeps
// what it said.
struct MessageAnswerer {
    QTimer timer;
    QStringList seen;
    MessageAnswerer()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen << box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        timer.start(20);
    }
};

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Clicks genre tile t and waits for the game window's first deal.
Form2* openGenre(Form1& launcher, int t)
{
    QTest::mouseClick(launcher.pittura[t], Qt::LeftButton, {}, QPoint(40, 40));
    QPointer<Form2> game = launcher.gameWindow();
    if (!game || !QTest::qWaitFor([&] { return game.isNull() || game->firstDealDone(); }, 5000)) return nullptr;
    game->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(game));
    return game;
}

// Carries a letter of the pool to a box where it belongs.
void placeOneRightLetter(Form2& game, const Session& s)
{
    for (int row = 1; row <= s.WordCount; ++row) {
        const std::string& word = s.Words[row];
        for (int col = 1; col <= static_cast<int>(word.size()); ++col) {
            if (s.BoxRows[row][col - 1] != ' ') continue;
            const size_t slot = s.PoolRemaining.find(word[col - 1]);
            if (slot == std::string::npos) continue;
            const Point from = board::poolPoint(static_cast<int>(slot) + 1);
            const Point to = board::boxPoint(s, row, col, game.ScaleWidth());
            QWidget* client = game.clientArea();
            QTest::mousePress(client, Qt::LeftButton, {}, QPoint(from.x + 8, from.y - 40));
            QTest::mouseMove(client, QPoint(to.x + 8, to.y - 40));
            QTest::mouseRelease(client, Qt::LeftButton, {}, QPoint(to.x + 8, to.y - 40));
            return;
        }
    }
    ADD_FAILURE() << "no empty box on the board";
}

void waitGameGone(Form1& launcher)
{
    EXPECT_TRUE(QTest::qWaitFor([&] { return launcher.gameWindow() == nullptr; }, 5000));
    settle();
}

} // namespace

TEST(InstalledGame, NameAndScoreLandInThePlayersFolderAndComeBack)
{
    const std::string prefix = env("PAROLIX_INSTALLED_PREFIX");
    if (prefix.empty()) GTEST_SKIP() << "run by tests/install/check_install.sh after an install";
    const QString program = QString::fromLocal8Bit(prefix) + "/bin";
    const fs::path player = fs::path(env("XDG_DATA_HOME")) / "parolix";
    ASSERT_FALSE(fs::exists(player));
    MessageAnswerer answers;

    std::string line;
    {
        Parolix game(program);
        EXPECT_FALSE(game.layout().portable);
        EXPECT_EQ(game.layout().dataFolder, fs::path(prefix + "/share/parolix").lexically_normal().string());
        EXPECT_EQ(game.layout().playerFolder, player.string());
        Form1& launcher = game.start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&launcher));
        launcher.Text1->selectAll();
        QTest::keyClicks(launcher.Text1, "ada");
        Form2* form = openGenre(launcher, 0); // leaving the box saves the name
        ASSERT_TRUE(form);
        EXPECT_EQ(fileText(player / "LexOrda.ini"), "Nome=ADA\r\n");
        placeOneRightLetter(*form, game.session());
        const int32_t score = game.session().Score;
        EXPECT_GT(score, 0);
        line = padded("ADA", 11) + padded(std::to_string(score), 8) + "Animali";
        QTest::keyClick(form, Qt::Key_F2);
        waitGameGone(launcher);
        EXPECT_EQ(fileText(player / "LexOrda.Sco").substr(0, line.size() + 2), line + "\r\n");
    }

    // The next start reads both back from the player's folder.
    {
        Parolix game(program);
        Form1& launcher = game.start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&launcher));
        EXPECT_EQ(launcher.Text1->text(), "ADA");
        Form2* form = openGenre(launcher, 0);
        ASSERT_TRUE(form);
        form->ShowRecords();
        ASSERT_GE(form->List->count(), 2);
        EXPECT_EQ(form->List->item(1)->text().toStdString(), line);
        QTest::keyClick(form, Qt::Key_F2);
        waitGameGone(launcher);
    }
    for (const QString& said : answers.seen) EXPECT_FALSE(said.contains("Impossibile")) << said.toStdString();
    EXPECT_TRUE(answers.seen.contains("Fine partita"));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
