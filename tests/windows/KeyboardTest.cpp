// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Playing with the keyboard alone, through real key events.
#include "GameWindowFixture.h"
#include "LauncherFixture.h"

#include "gamewindow/BoardKeys.h"
#include "gamewindow/Form2Text.h"
#include "game/KeyboardPlay.h"

#include <QLineEdit>

namespace {
void key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(w->windowHandle(), k, m); }
void type(QWidget* w, const char* keys)
{
    for (; *keys; ++keys) QTest::keyClick(w->windowHandle(), *keys);
}
} // namespace

TEST_F(GameWindow, KeysAlonePlayAWholeRound)
{
    scriptCatAndDog(); // GATTO " A T ", CANE "C   "; pool "G T O ANE"
    open();
    const QImage board = form->boardImage().copy();
    auto marks = [&](int row, int column) { // the cursor box, with the tile over it
        const Point ref = board::targetPoint(row, column, form->ScaleWidth()), m = board::middle(ref);
        return form->keys().cursor() == Cell{row, column} && form->Picture2->isVisible() &&
               form->Picture2->pos() == QPoint(m.x - 15, m.y - 25) &&
               form->clientArea()->markedFrame() == board::cursorFrame(ref);
    };
    type(form, "zg"); // no Z: the beep of an empty slot; then the G
    EXPECT_EQ(fp.sound.beeps, 1);
    EXPECT_EQ(form->Picture2->letter(), 'G');
    EXPECT_TRUE(marks(1, 1));
    EXPECT_EQ(form->boardImage(), board); // drawn over the board, never into it
    saveSnapshot(form, "game-keyboard-cursor");
    key(form, Qt::Key_Escape); // back to the pool
    EXPECT_EQ(s.PoolRemaining, "G T O ANE");
    EXPECT_FALSE(form->Picture2->isVisible() || form->clientArea()->markedFrame());

    type(form, "g\ro");
    key(form, Qt::Key_Right);
    EXPECT_TRUE(marks(1, 5));
    type(form, "\rt ");
    type(form, "e");
    key(form, Qt::Key_Left); // round the row
    type(form, "\rn");
    key(form, Qt::Key_Up); // no empty box above: it stays
    key(form, Qt::Key_Tab);
    key(form, Qt::Key_Tab);
    key(form, Qt::Key_Backtab);
    EXPECT_TRUE(marks(2, 3));
    EXPECT_TRUE(client()->hasFocus()); // Tab stepped the box, not the focus
    key(form, Qt::Key_F1);             // the menus keep their keys
    key(form, Qt::Key_F4, Qt::ControlModifier);
    EXPECT_EQ(fp.programEnded, 1);
    type(form, "\r");
    EXPECT_EQ(s.BoxRows[1], "GATTO");
    EXPECT_EQ(s.BoxRows[2], "C NE");
    bool markedDuringMessage = true;
    fp.dialogs.onShow = [&](const ScriptedDialogs::Shown&) {
        markedDuringMessage = form->clientArea()->markedFrame().has_value();
    };
    type(form, "a\r");
    ASSERT_TRUE(form);
    ASSERT_EQ(fp.dialogs.shown.size(), 2u);
    EXPECT_EQ(fp.dialogs.shown[0].title, form2text::HelpTitle);
    EXPECT_EQ(fp.dialogs.shown[1].text, form2text::Congratulations);
    EXPECT_FALSE(markedDuringMessage);
    EXPECT_EQ(s.BoxRows[1], "G    "); // the next round
}

// A person's whole visit by keys: the name typed, Tab to a tile (which shows
// its focus frame), Enter, a wrong letter, and back on the launcher.
TEST_F(Launcher, KeysAloneStartAGameAndLoseIt)
{
    open();
    QWidget* w = launcher.get();
    key(w, Qt::Key_A, Qt::ControlModifier);
    type(w, "mario\t\t");
    ASSERT_TRUE(launcher->pittura[1]->hasFocus());
    EXPECT_EQ(fp.files.text("LexOrda.ini"), "Nome=MARIO\r\n");
    const QImage shot = launcher->grab().toImage();
    const QRect tile = launcher->pittura[1]->geometry();
    for (int d = 1; d <= 4; ++d) { // black, yellow, yellow, black around the focused tile only
        const QColor ring = d == 1 || d == 4 ? QColor(Qt::black) : QColor(255, 255, 0);
        EXPECT_EQ(shot.pixelColor(tile.left() - d, tile.center().y()), ring) << d;
        EXPECT_EQ(shot.pixelColor(tile.center().x(), tile.bottom() + d), ring) << d;
    }
    EXPECT_EQ(shot.pixelColor(launcher->pittura[0]->x() - 2, tile.center().y()), QColor(192, 192, 192));
    snapshot(w, "launcher-tile-focus");
    EXPECT_EQ(launcher->pittura[1]->accessibleName(), QString("Frutti"));
    EXPECT_EQ(launcher->Text1->accessibleName(), QString("Giocatore"));

    type(w, "\r");
    QPointer<Form2> game = launcher->gameWindow();
    ASSERT_TRUE(game);
    EXPECT_EQ(s.GenreIndex, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return game.isNull() || game->firstDealDone(); }, 5000));
    game->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(game));
    // A letter of the pool that does not belong in the first empty box.
    const Cell first = keyboard::firstEmptyBox(s);
    const char expected = s.Words[static_cast<size_t>(first.row)][static_cast<size_t>(first.column - 1)];
    char wrong[3] = {0, '\r', 0};
    for (char c : s.PoolRemaining)
        if (c >= 'A' && c <= 'Z' && c != expected) wrong[0] = static_cast<char>(c - 'A' + 'a');
    ASSERT_NE(wrong[0], 0) << s.PoolRemaining;
    type(game, wrong);
    waitGameGone();
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_NE(fp.dialogs.shown[0].text.find(std::string("la lettera '") + expected + "'"), std::string::npos);
    EXPECT_TRUE(QTest::qWaitFor([&] { return launcher->Text1->hasFocus(); }, 2000));
}
