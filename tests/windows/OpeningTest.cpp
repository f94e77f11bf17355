// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The game window opening: one deal, the layout, the drawing of a round.
#include "GameWindowFixture.h"

#include "doubles/TempFolder.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "desktop/Platform.h"

TEST_F(GameWindow, OpensWithExactlyOneDealWhateverEventsFollow)
{
    scriptCatAndDog();
    open();
    ASSERT_TRUE(form);
    EXPECT_EQ(s.LetterBudget, 8);
    EXPECT_EQ(s.HelpPercent, 40);
    EXPECT_EQ(s.BoardState, 0);
    EXPECT_TRUE(form->isMaximized());
    // The rows stand at the right edge of the maximized client area.
    const int width = form->ScaleWidth();
    EXPECT_EQ(width, client()->width());
    const Point box1 = board::boxPoint(s, 1, 1, width);
    EXPECT_EQ(pixel(box1.x + 21, box1.y - 20), EmptyBoxFill);
    EXPECT_EQ(pixel(box1.x + 22, box1.y - 19), EmptyBoxOutline);
    const QImage before = form->boardImage().copy();

    // Restore, resize, maximize again, activate again: no further deal, and
    // the board stays where it was drawn.
    form->showNormal();
    form->resize(640, 480);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(form, &activate);
    form->showMaximized();
    form->activateWindow();
    QTest::qWait(700);
    ASSERT_TRUE(form);
    EXPECT_EQ(s.LetterBudget, 8);
    EXPECT_EQ(s.BoardState, 0);
    EXPECT_EQ(form->boardImage().copy(0, 0, before.width(), before.height()), before);
}

TEST_F(GameWindow, StartsWithTheControlsOfTheWindowInPlace)
{
    scriptCatAndDog();
    s.GenreIndex = 0;
    open();
    EXPECT_EQ(form->windowTitle(), QString("Parolix   (TESTER) "));
    EXPECT_EQ(form->Label1->text(), QString("Animali"));
    EXPECT_EQ(form->Label2->text(), QString());
    EXPECT_EQ(form->Label3->text(), QString("Punti: 0"));
    EXPECT_EQ(form->Label1->geometry(), QRect(104, 0, 153, 57));
    EXPECT_EQ(form->Label2->geometry(), QRect(104, 56, 153, 21));
    EXPECT_EQ(form->Label3->geometry(), QRect(104, 76, 153, 21));
    EXPECT_EQ(form->Picture1->geometry(), QRect(0, 0, 105, 97));
    EXPECT_EQ(form->List->geometry(), QRect(88, 96, 335, RecordsListHeight));
    EXPECT_FALSE(form->List->isVisible());
    EXPECT_FALSE(form->Picture2->isVisible());
    EXPECT_EQ(form->Picture2->size(), QSize(30, 42));
    EXPECT_EQ(form->Timer1->interval(), 1000);
    EXPECT_TRUE(form->Timer1->isActive());
    // The genre picture: in the picture box, and on the board at its own size.
    EXPECT_FALSE(form->Picture1->picture().isNull());
    const QImage picture = fp.pictures.images["00.wmf"];
    EXPECT_EQ(pixel(2, 2), picture.pixelColor(2, 2));
    EXPECT_EQ(pixel(104, 96), picture.pixelColor(104, 96));
    EXPECT_EQ(pixel(105, 97), BoardBackground); // not stretched
}

TEST_F(GameWindow, DrawsTheLetterPoolInRowsOfTen)
{
    scriptZoo();
    open();
    ASSERT_EQ(s.PoolLetters, "ELEFANTECAMMELLOGIRAFFA");
    // Slot 11 is at x = 5, y = 240: box 0..26 x 180..220, outline one pixel out.
    EXPECT_EQ(pixel(0, 180), PoolFill);
    EXPECT_EQ(pixel(26, 220), PoolFill);
    EXPECT_EQ(pixel(27, 221), PoolOutline);
    EXPECT_EQ(pixel(27, 179), PoolOutline);
    EXPECT_EQ(pixel(0, 179), PoolOutline);
    EXPECT_EQ(pixel(28, 200), BoardBackground); // the gap to slot 12
    EXPECT_EQ(pixel(10, 222), BoardBackground); // the gap to slot 21
    EXPECT_TRUE(hasInk({0, 180, 27, 41}));
    EXPECT_TRUE(inkInsideBox(board::poolPoint(11)));
    // Letters print in their own colour, not blended.
    bool exact = false;
    for (int y = 180; y <= 220; ++y)
        for (int x = 0; x <= 26; ++x) exact = exact || pixel(x, y) == boardColour(BoardRole::PoolLetter);
    EXPECT_TRUE(exact);
    // Slots 21 to 23 on the third line, nothing after them.
    for (int slot : {1, 10, 21, 23}) {
        const Point p = board::poolPoint(slot);
        EXPECT_EQ(pixel(p.x + 21, p.y - 20), PoolFill) << slot;
        EXPECT_TRUE(inkInsideBox(p)) << slot;
    }
    const Point after = board::poolPoint(24);
    EXPECT_EQ(pixel(after.x + 10, after.y - 25), BoardBackground);
    // Three rows of empty grey boxes on the right, without letters.
    const int width = form->ScaleWidth();
    for (int row = 1; row <= 3; ++row) {
        const Point p = board::boxPoint(s, row, 1, width);
        EXPECT_EQ(pixel(p.x - 5, p.y - 60), EmptyBoxFill) << row;
        EXPECT_EQ(pixel(p.x - 6, p.y - 61), EmptyBoxOutline) << row;
        EXPECT_FALSE(hasInk({p.x - 5, p.y - 60, 27, 41})) << row;
    }
    const Point last = board::boxPoint(s, 3, 7, width);
    EXPECT_EQ(pixel(last.x + 21, last.y - 20), EmptyBoxFill);
    EXPECT_EQ(pixel(last.x + 40, last.y - 40), BoardBackground); // GIRAFFA has seven boxes
    saveSnapshot(form, "game-pool-23-slots");
}

TEST_F(GameWindow, HelpLettersShowInCyanBoxesAndLeaveEmptyPoolTiles)
{
    scriptCatAndDog();
    open();
    ASSERT_EQ(s.BoxRows[1], " A T ");
    ASSERT_EQ(s.BoxRows[2], "C   ");
    ASSERT_EQ(s.PoolLetters, "G T O ANE");
    const int width = form->ScaleWidth();
    const Point help = board::boxPoint(s, 1, 2, width);
    EXPECT_EQ(pixel(help.x - 5, help.y - 60), ShownBoxFill);
    EXPECT_EQ(pixel(help.x + 21, help.y - 20), ShownBoxFill);
    EXPECT_EQ(pixel(help.x - 6, help.y - 61), ShownBoxOutline);
    EXPECT_EQ(pixel(help.x + 22, help.y - 19), ShownBoxOutline);
    EXPECT_TRUE(hasInk({help.x - 5, help.y - 60, 27, 41}));
    EXPECT_TRUE(inkInsideBox(help));
    const Point empty = board::boxPoint(s, 1, 1, width);
    EXPECT_EQ(pixel(empty.x + 21, empty.y - 20), EmptyBoxFill);
    EXPECT_FALSE(hasInk({empty.x - 5, empty.y - 60, 27, 41}));
    EXPECT_EQ(pixel(board::boxPoint(s, 2, 1, width).x, 150), ShownBoxFill);
    // The help letters' pool slots are empty yellow tiles.
    for (int slot : {2, 4, 6}) {
        const Point p = board::poolPoint(slot);
        EXPECT_EQ(pixel(p.x + 21, p.y - 20), PoolFill) << slot;
        EXPECT_FALSE(hasInk({p.x - 5, p.y - 60, 27, 41})) << slot;
    }
    EXPECT_TRUE(hasInk({0, 130, 27, 41})); // G in slot 1
    saveSnapshot(form, "game-help-letters");
}

// A word of more than ten letters starts further left, so that its last box
// ends at the window's right edge; one longer than the room beside the pool
// goes on over a second line. The mouse places the last letter there.
TEST_F(GameWindow, LongWordsEndAtTheRightEdgeAndArePlayedThere)
{
    openWithTheWord("MICROORGANISMO"); // 14 letters
    const int width = form->ScaleWidth();
    // The first box starts 30 * 14 - 307 pixels further left than a short
    // word's; the last box's outline is the client area's last column.
    expectOutlinedLine(100, width - 300 - (30 * 14 - 307) - 6, width - 1);
    EXPECT_EQ(pixel(width - 2, 100), EmptyBoxFill);
    EXPECT_EQ(pixel(board::boxPoint(s, 2, 1, width).x, 150), BoardBackground); // nothing on a second line
    placeTheLastLetterByMouse();
    saveSnapshot(form, "game-long-word");
}

TEST_F(GameWindow, AWordLongerThanTheRoomBesideThePoolGoesOnOverLines)
{
    openWithTheWord("PRECIPITEVOLISSIMEVOLMENTE"); // 26 letters
    const int width = form->ScaleWidth();
    const int length = board::lineLength(width);
    ASSERT_LT(length, 26) << "a window this wide holds the word on one line";
    // Both lines start beside the pool; the first is full.
    expectOutlinedLine(100, board::PoolRight, board::PoolRight + 6 + 30 * (length - 1) + 22);
    expectOutlinedLine(150, board::PoolRight, board::PoolRight + 6 + 30 * (25 - length) + 22);
    placeTheLastLetterByMouse();
    saveSnapshot(form, "game-word-over-two-lines");
}

TEST_F(GameWindow, AGenreWithoutWordsStillShowsItsNameAndPicture)
{
    fp.files.content["lexorda.DAT"] = wordList({{"Animali", {"GATTO"}}});
    s.GenreIndex = 3;
    open();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->Label1->text(), QString("Marche Auto"));
    EXPECT_EQ(s.WordCount, 0);
    EXPECT_EQ(s.PoolLetters, "");
    EXPECT_EQ(pixel(10, 150), BoardBackground);
    EXPECT_EQ(pixel(2, 2), fp.pictures.images["03.wmf"].pixelColor(2, 2));
    // A press on the empty pool carries nothing.
    press({10, 150});
    EXPECT_EQ(s.DragSlot, 0);
    EXPECT_FALSE(form->Picture2->isVisible());
    release({10, 150});
}

TEST_F(GameWindow, AMissingWordListClosesTheWindowWithAMessage)
{
    open();
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(unloadedSignals, 1);
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text, "Impossibile leggere l'elenco delle parole \"lexorda.DAT\": file non trovato.");
    EXPECT_EQ(fp.dialogs.shown[0].title, "Parolix");
    // No records: the game never started.
    EXPECT_FALSE(fp.files.exists("LexOrda.Sco"));

    // There, but not readable: said in other words.
    fp.files.content["lexorda.DAT"] = wordList({{"Animali", {"GATTO"}}});
    fp.files.failReads = true;
    fp.dialogs.shown.clear();
    open();
    EXPECT_TRUE(form.isNull());
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text, "Impossibile leggere l'elenco delle parole \"lexorda.DAT\": file illeggibile.");
}

// A word list of 16 GB (sparse: a few KB on disk) whose first bytes hold
// the genre's section: far past any list of ours, so it is refused from its
// first megabyte, with the reason, within a second; nothing is recorded.
TEST_F(GameWindow, AHugeWordListIsRefusedWithinASecond)
{
    TempFolder folder;
    folder.write("lexorda.DAT", wordList({{"Animali", {"GATTO", "CANE"}}}));
    std::filesystem::resize_file(folder.path / "lexorda.DAT", 16ull << 30);
    DiskFiles disk(folder.path.string());
    Platform onDisk{fp.clock, fp.random, disk, fp.dialogs, fp.pictures, fp.shell, fp.pointer, fp.sound, [] {}};
    QElapsedTimer clock;
    clock.start();
    open(&onDisk);
    const qint64 ms = clock.elapsed();
    std::printf("a 16 GB word list refused in %lld ms\n", static_cast<long long>(ms));
    EXPECT_LT(ms, 1000);
    EXPECT_TRUE(form.isNull());
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text,
              "Impossibile leggere l'elenco delle parole \"lexorda.DAT\": file troppo grande.");
    EXPECT_FALSE(std::filesystem::exists(folder.path / "LexOrda.Sco"));
}

TEST_F(GameWindow, AMissingPictureLeavesItEmptyAndTheGameGoesOn)
{
    fp.pictures.images.clear();
    scriptCatAndDog();
    open();
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->Picture1->picture().isNull());
    EXPECT_EQ(pixel(2, 2), BoardBackground);
    EXPECT_TRUE(fp.dialogs.shown.empty());
    carry(1, 1, 1);
    EXPECT_EQ(s.Score, pointsFor(1));
}

TEST_F(GameWindow, ClockShowsTheMinutesAndSecondsOfTheRound)
{
    scriptCatAndDog();
    open();
    fp.clock.steady = {s.RoundStart + 127.6};
    form->Timer1_Timer();
    EXPECT_EQ(s.ElapsedSeconds, 127);
    EXPECT_EQ(form->Label2->text(), QString("Min. 2  Sec. 7"));
    // The round is timed on the steady clock, whatever the time of day does
    // meanwhile.
    const struct {
        const char* what;
        double dayStart, dayNow, seconds;
        const char* caption;
    } cases[] = {
        {"4.2 s before midnight to 5.3 s after it", 86395.8, 5.3, 9.5, "Min. 0  Sec. 9"},
        {"across midnight after 13 hours", 80000, 80000 + 46800.5 - 86400, 46800.5, "Min. 780  Sec. 0"},
        {"daylight saving falls back an hour, ten minutes in", 9000, 9000 + 600.2 - 3600, 600.2, "Min. 10  Sec. 0"},
        {"daylight saving springs forward", 7000, 7000 + 65 + 3600, 65, "Min. 1  Sec. 5"},
        {"the clock set back a day by hand", 40000, 40000 + 30 - 86400, 30, "Min. 0  Sec. 30"},
        {"a time server sets it back 2 s", 40000, 40000 + 1.5 - 2, 1.5, "Min. 0  Sec. 1"},
    };
    for (const auto& c : cases) {
        s.StartTime = c.dayStart;
        s.RoundStart = 5000;
        fp.clock.times = {c.dayNow};
        fp.clock.steady = {5000 + c.seconds};
        form->Timer1_Timer();
        EXPECT_EQ(s.ElapsedSeconds, std::floor(c.seconds)) << c.what;
        EXPECT_EQ(form->Label2->text(), QString(c.caption)) << c.what;
    }
    // The timer itself ticks about once a second.
    s.RoundStart = 100;
    fp.clock.steady = {159.5};
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->Label2->text() == "Min. 0  Sec. 59"; }, 2500));
}

// Snapshots of real rounds, with the shipped word list and pictures.
class GameWindowLook : public GameWindow {
protected:
    void SetUp() override
    {
        GameWindow::SetUp();
        fp.files.content["lexorda.DAT"] = readDataFile("lexorda.DAT");
    }
    WmfPictures pictures{PAROLIX_DATA_DIR};
};

TEST_F(GameWindowLook, FirstRoundsOfSeveralGenres)
{
    for (int genre : {0, 3, 4, 7}) {
        s.GenreIndex = static_cast<int16_t>(genre);
        s.LetterBudget = 0;
        s.HelpPercent = 41;
        openWithRealRandom(100 + static_cast<uint64_t>(genre), &pictures);
        ASSERT_TRUE(form);
        EXPECT_GE(s.WordCount, 1) << genre;
        EXPECT_EQ(form->Label1->text(), toUnicode(s.GenreNames[genre]));
        saveSnapshot(form, QString("game-genre-%1").arg(genre));
        delete form.data();
        settle();
    }
}

TEST_F(GameWindowLook, ALongRoundOfSevenWords)
{
    s.GenreIndex = 0;
    s.LetterBudget = 96; // the deal makes it 100: seven words at most
    s.HelpPercent = 31;
    openWithRealRandom(7, &pictures);
    ASSERT_TRUE(form);
    EXPECT_EQ(s.WordCount, 7);
    const Point last = board::boxPoint(s, 7, 1, form->ScaleWidth());
    EXPECT_NE(pixel(last.x, last.y - 40), BoardBackground);
    saveSnapshot(form, "game-long-round");
}

// The board is white until drawn on, however it grows, and a drawing after
// it grew lands in full, also where the board was not before.
TEST(BoardCanvas, WhiteUntilDrawnAndWholeAfterGrowing)
{
    BoardCanvas board;
    board.resize(100, 100);
    board.drawPoolSlot(1, 'A'); // below the board: nothing of it shows
    board.resize(400, 300);
    const Point m = board::middle(board::poolPoint(2));
    EXPECT_EQ(board.grab().toImage().pixelColor(m.x, m.y), BoardBackground);
    board.drawPoolSlot(2, 'B');
    const QImage shown = board.grab().toImage();
    EXPECT_NE(shown.pixelColor(m.x - 8, m.y), BoardBackground); // the slot's fill, left of its letter
    EXPECT_EQ(shown.pixelColor(399, 299), BoardBackground);
    EXPECT_EQ(shown.pixelColor(150, 10), BoardBackground);
}
