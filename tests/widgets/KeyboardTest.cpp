// Playing with the keyboard alone, through real key events.
#include "GameWindowFixture.h"
#include "LauncherFixture.h"

#include "game/BoardKeys.h"
#include "game/Form2Text.h"
#include "game/KeyboardPlay.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
void key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(w->windowHandle(), k, m); }
void type(QWidget* w, char c) { QTest::keyClick(w->windowHandle(), c); }
} // namespace

TEST_F(GameWindow, KeysAlonePlayAWholeRound)
{
    scriptCatAndDog(); // GATTO " A T ", CANE "C   "; pool "G T O ANE"
    open();
    const QImage board = form->boardImage().copy();
    const BoardKeys& keys = form->keys();
    auto marked = [&](int row, int column) {
        const Point ref = board::targetPoint(row, column, form->ScaleWidth());
        const Point m = board::middle(ref);
        return keys.cursor() == Cell{row, column} && form->Picture2->isVisible() &&
               form->Picture2->pos() == QPoint(m.x - 15, m.y - 25) &&
               form->clientArea()->markedFrame() == board::cursorFrame(ref);
    };

    form->Records_Click();
    key(form, Qt::Key_Escape); // hides the records, as a click on them does
    EXPECT_FALSE(form->List->isVisible());
    type(form, 'z'); // no such letter: the beep of an empty slot
    EXPECT_EQ(fp.sound.beeps, 1);
    EXPECT_EQ(s.DragSlot, 0);
    type(form, 'g');
    EXPECT_EQ(s.DragSlot, 1);
    EXPECT_EQ(form->Picture2->letter(), 'G');
    EXPECT_TRUE(marked(1, 1));
    const Box frame = *form->clientArea()->markedFrame();
    EXPECT_EQ(client()->grab().toImage().pixelColor(frame.left + 1, (frame.top + frame.bottom) / 2), QColor(Qt::red));
    EXPECT_EQ(form->boardImage(), board); // the cursor box is never drawn into the board
    saveSnapshot(form, "game-keyboard-cursor");
    key(form, Qt::Key_Escape); // back to the pool
    EXPECT_EQ(s.DragSlot, 0);
    EXPECT_EQ(s.PoolRemaining, "G T O ANE");
    EXPECT_FALSE(form->Picture2->isVisible());
    EXPECT_FALSE(form->clientArea()->markedFrame());

    type(form, 'g');
    key(form, Qt::Key_Return);
    type(form, 'o');
    key(form, Qt::Key_Right);
    EXPECT_TRUE(marked(1, 5));
    key(form, Qt::Key_Enter);
    type(form, 't');
    key(form, Qt::Key_Space);
    EXPECT_EQ(s.BoxRows[1], "GATTO");
    type(form, 'e');
    key(form, Qt::Key_Left); // round the row
    key(form, Qt::Key_Return);
    type(form, 'n');
    key(form, Qt::Key_Up); // no empty box above: it stays
    key(form, Qt::Key_Tab);
    key(form, Qt::Key_Tab);
    key(form, Qt::Key_Backtab);
    EXPECT_TRUE(marked(2, 3));
    EXPECT_TRUE(client()->hasFocus()); // Tab stepped the box, not the focus
    // The menus keep their keys while a letter is carried.
    key(form, Qt::Key_F1);
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].title, form2text::HelpTitle);
    key(form, Qt::Key_F4, Qt::ControlModifier);
    EXPECT_EQ(fp.programEnded, 1);
    EXPECT_EQ(s.DragSlot, 8);
    key(form, Qt::Key_Return);
    EXPECT_EQ(s.BoxRows[2], "C NE");
    EXPECT_EQ(fp.sound.beeps, 1);

    type(form, 'a');
    bool markedDuringMessage = true;
    fp.dialogs.onShow = [&](const ScriptedDialogs::Shown&) {
        markedDuringMessage = form->clientArea()->markedFrame().has_value();
    };
    key(form, Qt::Key_Return);
    ASSERT_TRUE(form);
    EXPECT_FALSE(markedDuringMessage); // the filled box is no longer marked
    ASSERT_EQ(fp.dialogs.shown.size(), 2u);
    EXPECT_EQ(fp.dialogs.shown[1].text, form2text::Congratulations);
    EXPECT_GT(s.Score, 48); // six letters and the bonus
    EXPECT_TRUE(s.inPlay());
    EXPECT_EQ(s.BoxRows[1], "G    "); // the next round
    EXPECT_EQ(s.DragSlot, 0);
    EXPECT_FALSE(form->clientArea()->markedFrame());
}

// A person's whole visit by keys: the name typed, Tab to a tile (which shows
// its focus frame), Enter, a wrong letter, and back on the launcher.
TEST_F(Launcher, KeysAloneStartAGameAndLoseIt)
{
    open();
    QWidget* w = launcher.get();
    key(w, Qt::Key_A, Qt::ControlModifier);
    for (char c : std::string("mario")) type(w, c);
    key(w, Qt::Key_Tab);
    key(w, Qt::Key_Tab);
    ASSERT_TRUE(launcher->pittura[1]->hasFocus());
    EXPECT_EQ(fp.files.text("LexOrda.ini"), "Nome=MARIO\r\n");
    // A black, yellow, black frame around the focused tile only.
    const QImage shot = launcher->grab().toImage();
    const QRect tile = launcher->pittura[1]->geometry(), other = launcher->pittura[0]->geometry();
    const int y = tile.center().y();
    const QColor black(Qt::black), yellow(255, 255, 0);
    for (int d = 1; d <= 4; ++d) {
        const QColor ring = d == 1 || d == 4 ? black : yellow;
        EXPECT_EQ(shot.pixelColor(tile.left() - d, y), ring) << d;
        EXPECT_EQ(shot.pixelColor(tile.right() + d, y), ring) << d;
        EXPECT_EQ(shot.pixelColor(tile.center().x(), tile.bottom() + d), ring) << d;
    }
    EXPECT_EQ(shot.pixelColor(other.left() - 2, y), QColor(192, 192, 192));
    snapshot(w, "launcher-tile-focus");
    // What a screen reader announces.
    EXPECT_EQ(launcher->pittura[1]->accessibleName(), QString("Frutti"));
    EXPECT_EQ(launcher->Text1->accessibleName(), QString("Giocatore"));
    EXPECT_EQ(launcher->Command1->accessibleName(), QString("Fine"));
    EXPECT_EQ(launcher->Command2->accessibleName(), QString("Help"));

    key(w, Qt::Key_Return);
    QPointer<Form2> game = launcher->gameWindow();
    ASSERT_TRUE(game);
    EXPECT_EQ(s.GenreIndex, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return game.isNull() || game->firstDealDone(); }, 5000));
    game->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(game));

    // A letter of the pool that does not belong in the first empty box.
    const Cell first = keyboard::firstEmptyBox(s);
    const char expected = s.Words[static_cast<size_t>(first.row)][static_cast<size_t>(first.column - 1)];
    char wrong = 0;
    for (char c : s.PoolRemaining)
        if (c >= 'A' && c <= 'Z' && c != expected) wrong = c;
    ASSERT_NE(wrong, 0) << s.PoolRemaining;
    type(game, static_cast<char>(wrong - 'A' + 'a'));
    key(game, Qt::Key_Return);
    waitGameGone();
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].title, "Lexorda");
    EXPECT_NE(fp.dialogs.shown[0].text.find(std::string("la lettera '") + expected + "'"), std::string::npos);
    EXPECT_EQ(s.BoardState, static_cast<unsigned char>(expected));
    EXPECT_TRUE(QTest::qWaitFor([&] { return launcher->Text1->hasFocus(); }, 2000));
    EXPECT_EQ(launcher->Text1->text(), QString("MARIO"));
}
