// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Carrying letters with the mouse on the game window.
#include "GameWindowFixture.h"
#include "doubles/Within.h"

#include <QLabel>
#include <QListWidget>

TEST_F(GameWindow, TheTileFollowsThePointerAndIsParkedAfterEveryRelease)
{
    scriptCatAndDog();
    open();
    const QImage board = form->boardImage().copy();
    EXPECT_FALSE(form->Picture2->isVisible());
    const QPoint before = form->Picture2->pos();

    press(GameWindow::inSlot(1));
    EXPECT_EQ(s.DragSlot, 1);
    EXPECT_TRUE(form->Picture2->isVisible());
    EXPECT_EQ(form->Picture2->letter(), 'G');
    EXPECT_EQ(form->Picture2->pos(), before); // the press does not move it
    EXPECT_EQ(client()->cursor().shape(), Qt::CrossCursor);
    moveTo({200, 300});
    EXPECT_EQ(form->Picture2->pos(), QPoint(185, 275));
    moveTo({401, 533});
    EXPECT_EQ(form->Picture2->pos(), QPoint(386, 508));
    // The pointer stays on the board's side even right over the tile.
    moveTo({401 + 3, 533 + 3});
    EXPECT_EQ(form->Picture2->pos(), QPoint(389, 511));
    release({404, 536});
    EXPECT_FALSE(form->Picture2->isVisible());
    EXPECT_EQ(form->Picture2->pos(), QPoint(0, 126));
    EXPECT_EQ(client()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(s.DragSlot, 0);
    EXPECT_EQ(s.PoolRemaining, "G T O ANE");
    EXPECT_EQ(form->boardImage(), board); // the tile never drew on the board

    // A second drag shows the tile where it was parked until the pointer moves.
    press(GameWindow::inSlot(3));
    EXPECT_TRUE(form->Picture2->isVisible());
    EXPECT_EQ(form->Picture2->pos(), QPoint(0, 126));
    EXPECT_EQ(form->Picture2->letter(), 'T');
    moveTo({50, 400});
    EXPECT_EQ(form->Picture2->pos(), QPoint(35, 375));
    release({50, 400});
}

TEST_F(GameWindow, PoolBoundaries)
{
    scriptZoo();
    open();
    struct Case {
        QPoint at;
        int slot;
    };
    for (Case c : {Case{{0, 129}, 1}, Case{{299, 129}, 10}, Case{{0, 178}, 11}, Case{{300, 129}, 0}, Case{{0, 128}, 0},
                   Case{{65, 240}, 23}, Case{{95, 240}, 0}, Case{{5, 290}, 0}}) {
        press(c.at);
        EXPECT_EQ(s.DragSlot, c.slot) << c.at.x() << "," << c.at.y();
        EXPECT_EQ(form->Picture2->isVisible(), c.slot != 0);
        if (c.slot) {
            EXPECT_EQ(form->Picture2->letter(), within(s.PoolLetters, c.slot - 1, "pool slot"));
        }
        release(c.at);
    }
    EXPECT_EQ(fp.sound.beeps, 0);
}

TEST_F(GameWindow, ReleasesOnTheEdgesOfTheTargetAreaPlaceNothing)
{
    scriptCatAndDog();
    open();
    const int edge = form->ScaleWidth() - 300;
    const QImage board = form->boardImage().copy();
    for (QPoint at : {QPoint(edge, 100), QPoint(edge + 5, 78), QPoint(edge + 5, 72)}) {
        press(GameWindow::inSlot(1));
        moveTo(at);
        release(at);
        EXPECT_EQ(s.BoxRows[1], " A T ");
        EXPECT_EQ(s.PoolRemaining, "G T O ANE");
    }
    EXPECT_EQ(form->boardImage(), board);
    // Just inside both edges: the first box of the first row.
    press(GameWindow::inSlot(1));
    release({edge + 1, 79});
    EXPECT_EQ(s.BoxRows[1], "GA T ");
    EXPECT_EQ(s.Score, pointsFor(1));
}

TEST_F(GameWindow, NothingToTakeBeeps)
{
    scriptCatAndDog();
    open();
    carry(1, 1, 1); // G placed
    ASSERT_EQ(s.BoxRows[1], "GA T ");
    // The slot of a letter already placed, then the empty slot of a help letter.
    press(GameWindow::inSlot(1));
    EXPECT_EQ(fp.sound.beeps, 1);
    EXPECT_EQ(s.DragSlot, 0);
    EXPECT_FALSE(form->Picture2->isVisible());
    moveTo(inBox(1, 3));
    release(inBox(1, 3));
    EXPECT_EQ(s.BoxRows[1], "GA T ");
    press(GameWindow::inSlot(2));
    EXPECT_EQ(fp.sound.beeps, 2);
    EXPECT_FALSE(form->Picture2->isVisible());
    release(GameWindow::inSlot(2));
    EXPECT_EQ(s.Score, pointsFor(1));
}

TEST_F(GameWindow, APressOnATargetBoxShowsNoDropUntilTheRelease)
{
    scriptCatAndDog();
    open();
    press(inBox(1, 1));
    EXPECT_EQ(client()->cursor().shape(), Qt::ForbiddenCursor);
    EXPECT_EQ(s.TargetRow, 1);
    EXPECT_EQ(s.DragSlot, 0);
    moveTo(inBox(2, 2));
    EXPECT_EQ(client()->cursor().shape(), Qt::ForbiddenCursor);
    release(inBox(2, 2));
    EXPECT_EQ(client()->cursor().shape(), Qt::ArrowCursor);
    // Right of a word's last box, and below the last row: the default pointer.
    press(inBox(2, 5));
    EXPECT_EQ(client()->cursor().shape(), Qt::ArrowCursor);
    release(inBox(2, 5));
    press(inBox(3, 1));
    EXPECT_EQ(client()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(s.TargetRow, 0);
    release(inBox(3, 1));
}

TEST_F(GameWindow, EveryButtonCarries)
{
    scriptCatAndDog();
    open();
    carry(1, 1, 1, Qt::RightButton);
    EXPECT_EQ(s.BoxRows[1], "GA T ");
    carry(3, 1, 3, Qt::MiddleButton);
    EXPECT_EQ(s.BoxRows[1], "GATT ");
    EXPECT_EQ(s.Score, pointsFor(2));
    EXPECT_FALSE(form->Picture2->isVisible());
}

TEST_F(GameWindow, TheFirstReleaseOfAnyButtonEndsTheDrag)
{
    scriptCatAndDog();
    open();
    press(GameWindow::inSlot(1), Qt::LeftButton);
    // A second button pressed on a help letter's slot beeps and drops the
    // carried letter; the next movement hides the tile.
    press(GameWindow::inSlot(2), Qt::RightButton);
    EXPECT_EQ(fp.sound.beeps, 1);
    EXPECT_EQ(s.DragSlot, 0);
    moveTo(inBox(1, 1));
    EXPECT_FALSE(form->Picture2->isVisible());
    release(inBox(1, 1), Qt::RightButton);
    release(inBox(1, 1), Qt::LeftButton);
    EXPECT_EQ(s.BoxRows[1], " A T ");

    press(GameWindow::inSlot(1), Qt::LeftButton);
    press(GameWindow::inSlot(5), Qt::RightButton); // O: now O is carried
    moveTo(inBox(1, 5));
    release(inBox(1, 5), Qt::RightButton);
    EXPECT_EQ(s.BoxRows[1], " A TO");
    EXPECT_EQ(s.DragSlot, 0);
    release(inBox(1, 1), Qt::LeftButton); // nothing carried any more
    EXPECT_EQ(s.BoxRows[1], " A TO");
}

TEST_F(GameWindow, AMovementOverTheBoardHidesTheRecordsList)
{
    scriptCatAndDog();
    open();
    form->ShowRecords();
    ASSERT_TRUE(form->List->isVisible());
    // Over the list itself it stays.
    moveTo({200, 200});
    EXPECT_TRUE(form->List->isVisible());
    moveTo({500, 400});
    EXPECT_FALSE(form->List->isVisible());
    // A click on the list hides it too.
    form->ShowRecords();
    ASSERT_TRUE(form->List->isVisible());
    press({200, 200});
    release({200, 200});
    EXPECT_FALSE(form->List->isVisible());
}

TEST_F(GameWindow, TheRevealCombinationPrintsTheWords)
{
    scriptCatAndDog();
    open();
    // A press beyond the last pool slot sets the text position to (20, 400).
    press({20, 400});
    release({20, 400});
    const QImage board = form->boardImage().copy();
    for (Qt::KeyboardModifiers m :
         {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ControlModifier), Qt::KeyboardModifiers(Qt::ShiftModifier),
          Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier, Qt::KeyboardModifiers(Qt::AltModifier)}) {
        press({50, 50}, Qt::LeftButton, m);
        release({50, 50});
    }
    EXPECT_EQ(form->boardImage(), board);

    press({50, 50}, Qt::RightButton, RevealModifiers);
    release({50, 50}, Qt::RightButton);
    const int line = QFontMetrics(form->clientArea()->font()).height();
    // A blank first line, then GATTO and CANE from the left edge.
    EXPECT_FALSE(hasInk({0, 400, 300, line}));
    EXPECT_TRUE(hasInk({0, 400 + line, 100, line}));
    EXPECT_FALSE(hasInk({100, 400 + line, 200, line}));
    EXPECT_TRUE(hasInk({0, 400 + 2 * line, 80, line}));
    EXPECT_FALSE(hasInk({0, 400 + 3 * line, 300, line}));
    EXPECT_EQ(s.DragSlot, 0);
    EXPECT_EQ(s.Score, 0);
    saveSnapshot(form, "game-reveal");
}
