// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Playing with the keyboard alone, through real key events.
#include "GameWindowFixture.h"
#include "LauncherFixture.h"

#include "doubles/Within.h"
#include "game/Play.h"
#include "gamewindow/BoardKeys.h"
#include "gamewindow/Form2Text.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
// A key that went wrong may end the game and close its window: the test
// then fails by name rather than pressing keys on a window that is gone.
QWindow* open(QWidget* w)
{
    if (!w || !w->windowHandle()) throw std::runtime_error("the window has closed");
    return w->windowHandle();
}
void key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = {})
{
    QTest::keyClick(open(w), k, m);
}
void type(QWidget* w, const char* keys)
{
    for (; *keys; ++keys) QTest::keyClick(open(w), *keys);
}
} // namespace

TEST_F(GameWindow, KeysAlonePlayAWholeRound)
{
    scriptCatAndDog(); // GATTO " A T ", CANE "C   "; pool "G T O ANE"
    open();
    const QImage board = game()->boardImage().copy();
    auto marks = [&](int row, int column) { // the cursor box, with the tile over it
        if (!form) return false;
        const Point ref = board::boxPoint(s, row, column, game()->ScaleWidth()), m = board::middle(ref);
        return game()->keys().cursor() == Cell{row, column} && game()->Picture2->isVisible() &&
               game()->Picture2->pos() == QPoint(m.x - 15, m.y - 25) &&
               game()->clientArea()->markedFrame() == board::cursorFrame(ref);
    };
    // Alt with a letter of the pool belongs to the menus: nothing is taken.
    key(form, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(s.PoolRemaining, "G T O ANE");
    EXPECT_FALSE(game()->Picture2->isVisible() || game()->clientArea()->markedFrame());
    EXPECT_EQ(fp.sound.beeps, 0);
    type(form, "zg"); // no Z: the beep of an empty slot; then the G
    EXPECT_EQ(fp.sound.beeps, 1);
    EXPECT_EQ(game()->Picture2->letter(), 'G');
    EXPECT_TRUE(marks(1, 1));
    EXPECT_EQ(game()->boardImage(), board); // drawn over the board, never into it
    saveSnapshot(form, "game-keyboard-cursor");
    key(form, Qt::Key_Escape); // back to the pool
    EXPECT_EQ(s.PoolRemaining, "G T O ANE");
    EXPECT_FALSE(game()->Picture2->isVisible() || game()->clientArea()->markedFrame());

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
    EXPECT_EQ(fp.dialogs.shown[0].title, "Help Parolix");
    EXPECT_EQ(fp.dialogs.shown[1].text, "Complimenti vivissimi, hai indovinato !!!");
    EXPECT_FALSE(markedDuringMessage);
    EXPECT_EQ(s.BoxRows[1], "G    "); // the next round
    EXPECT_EQ(fp.pictures.loads, 1);  // its picture read once for the window, not at each deal
}

// Each key of the board moves or drops where only it would: on three rows of
// eight, eight and seven empty boxes, every step below lands on a box the
// opposite key (or no key) would not reach.
TEST_F(GameWindow, EachBoardKeyDoesItsOwnThing)
{
    scriptZoo(); // ELEFANTE, CAMMELLO, GIRAFFA, all empty; the pool in that order
    open();
    type(form, "e"); // slot 1; the cursor on the first empty box
    ASSERT_EQ(game()->keys().cursor(), (Cell{1, 1}));
    const struct {
        Qt::Key key;
        Cell to;
    } steps[] = {
        {Qt::Key_Right, {1, 2}},   {Qt::Key_Right, {1, 3}},   {Qt::Key_Left, {1, 2}}, {Qt::Key_Down, {2, 2}},
        {Qt::Key_Down, {3, 2}},    {Qt::Key_Up, {2, 2}},      {Qt::Key_Tab, {2, 3}},  {Qt::Key_Backtab, {2, 2}},
        {Qt::Key_Backtab, {2, 1}}, {Qt::Key_Backtab, {1, 8}}, {Qt::Key_Tab, {2, 1}},  {Qt::Key_Left, {2, 8}},
        {Qt::Key_Right, {2, 1}},   {Qt::Key_Up, {1, 1}},
    };
    for (const auto& step : steps) {
        key(form, step.key, step.key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        const Cell at = game()->keys().cursor();
        EXPECT_EQ(at, step.to) << QKeySequence(step.key).toString().toStdString() << " gave " << at.row << ","
                               << at.column;
        EXPECT_EQ(game()->clientArea()->markedFrame(),
                  board::cursorFrame(board::boxPoint(s, step.to.row, step.to.column, game()->ScaleWidth())));
    }
    // Space, keypad Enter and Return each drop the letter in hand.
    key(form, Qt::Key_Space);
    type(form, "l");
    key(form, Qt::Key_Enter, Qt::KeypadModifier);
    type(form, "e");
    key(form, Qt::Key_Return);
    EXPECT_EQ(s.BoxRows[1], "ELE     ");
    EXPECT_EQ(s.PoolRemaining, "   FANTECAMMELLOGIRAFFA");
    // Esc: the letter in hand goes back; with none, the records table hides.
    type(form, "f");
    key(form, Qt::Key_Escape);
    EXPECT_EQ(s.PoolRemaining, "   FANTECAMMELLOGIRAFFA");
    EXPECT_FALSE(game()->Picture2->isVisible());
    game()->ShowRecords();
    ASSERT_TRUE(game()->List->isVisible());
    key(form, Qt::Key_Escape);
    EXPECT_FALSE(game()->List->isVisible());
    EXPECT_EQ(s.BoxRows[1], "ELE     ");
}

// The launcher's Tab order, name box, the eight pictures, Fine, Help; Space
// opens the genre with the focus, as Enter does.
TEST_F(Launcher, TabWalksTheLauncherAndSpaceOpensTheGenre)
{
    open();
    QWidget* w = launcher.get();
    std::vector<QWidget*> order(launcher->pittura.begin(), launcher->pittura.end());
    order.push_back(launcher->Command1);
    order.push_back(launcher->Command2);
    ASSERT_TRUE(launcher->Text1->hasFocus());
    for (size_t i = 0; i < order.size(); ++i) {
        key(w, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << "Tab " << i + 1;
    }
    for (int back = 0; back < 3; ++back) key(w, Qt::Key_Backtab, Qt::ShiftModifier); // Fine, the last two tiles
    ASSERT_EQ(QApplication::focusWidget(), launcher->pittura[GenreCount - 2]);
    key(w, Qt::Key_Space);
    ASSERT_TRUE(launcher->gameWindow());
    EXPECT_EQ(s.GenreIndex, GenreCount - 2);
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
    const char expected = within(within(s.Words, first.row, "row"), first.column - 1, "column");
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
