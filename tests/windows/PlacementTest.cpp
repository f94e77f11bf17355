// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Dropping letters into the boxes: drawing, scoring, completing a board.
#include "GameWindowFixture.h"

#include <QLabel>

TEST_F(GameWindow, ARightLetterIsDrawnAsPlacedAndScores)
{
    scriptCatAndDog();
    open();
    carry(1, 1, 1);
    EXPECT_EQ(s.BoxRows[1], "GA T ");
    EXPECT_EQ(s.PoolRemaining, "  T O ANE");
    EXPECT_EQ(s.Score, pointsFor(1));
    EXPECT_EQ(form->Label3->text(), QString("Punti: %1").arg(pointsFor(1)));
    EXPECT_EQ(s.BoardState, 0);
    EXPECT_EQ(s.DragSlot, 0);

    const Point b = board::boxPoint(s, 1, 1, form->ScaleWidth());
    // The bar just under the box, hollow in its middle row.
    EXPECT_EQ(pixel(b.x - 5, b.y - 18), PlacedBar);
    EXPECT_EQ(pixel(b.x + 20, b.y - 16), PlacedBar);
    EXPECT_EQ(pixel(b.x - 5, b.y - 17), PlacedBar);
    EXPECT_EQ(pixel(b.x + 5, b.y - 17), BoardBackground);
    EXPECT_EQ(pixel(b.x + 21, b.y - 17), BoardBackground);
    // Its fill and outline, the letter inside.
    EXPECT_EQ(pixel(b.x - 5, b.y - 60), PlacedFill);
    EXPECT_EQ(pixel(b.x + 21, b.y - 20), PlacedFill);
    EXPECT_EQ(pixel(b.x - 6, b.y - 61), PlacedOutline);
    EXPECT_EQ(pixel(b.x + 22, b.y - 19), PlacedOutline);
    EXPECT_TRUE(inkInsideBox(b));
    // A help letter's box keeps its outline and has no bar.
    const Point h = board::boxPoint(s, 1, 2, form->ScaleWidth());
    EXPECT_EQ(pixel(h.x - 6, h.y - 61), ShownBoxOutline);
    EXPECT_EQ(pixel(h.x + 5, h.y - 18), BoardBackground);
    // The pool slot is an empty tile now.
    const Point p = board::poolPoint(1);
    EXPECT_EQ(pixel(p.x + 21, p.y - 20), PoolFill);
    EXPECT_EQ(pixel(p.x + 22, p.y - 19), PoolOutline);
    EXPECT_FALSE(hasInk({p.x - 5, p.y - 60, 27, 41}));

    // Two more, then a look at the half-played board.
    carry(3, 1, 3);
    carry(7, 2, 2);
    EXPECT_EQ(s.Score, pointsFor(3));
    EXPECT_EQ(form->Label3->text(), QString("Punti: %1").arg(pointsFor(3)));
    saveSnapshot(form, "game-half-played");
}

TEST_F(GameWindow, DropsOnShownLettersBeepAndChangeNothing)
{
    scriptCatAndDog();
    open();
    const QImage board = form->boardImage().copy();
    carry(1, 1, 2); // a help letter's box
    EXPECT_EQ(fp.sound.beeps, 1);
    EXPECT_EQ(s.BoxRows[1], " A T ");
    EXPECT_EQ(s.PoolRemaining, "G T O ANE");
    EXPECT_EQ(form->boardImage(), board);
    EXPECT_FALSE(form->Picture2->isVisible());

    carry(1, 1, 1);
    carry(5, 1, 1); // O over the G just placed
    EXPECT_EQ(fp.sound.beeps, 2);
    EXPECT_EQ(s.BoxRows[1], "GA T ");
    EXPECT_EQ(s.PoolRemaining, "  T O ANE");
    EXPECT_EQ(s.Score, pointsFor(1));
}

TEST_F(GameWindow, ADropOutsideLeavesTheLetterToCarryAgain)
{
    scriptCatAndDog();
    open();
    press(GameWindow::inSlot(8));
    moveTo({400, 600});
    release({400, 600});
    moveTo({400, 600});
    press(GameWindow::inSlot(8));
    release(inBox(2, 3)); // N, right
    EXPECT_EQ(s.BoxRows[2], "C N ");
    EXPECT_EQ(s.Score, pointsFor(1));
    EXPECT_EQ(fp.sound.beeps, 0);
}

TEST_F(GameWindow, ACompletedBoardEarnsTheBonusAndTheNextRound)
{
    scriptCatAndDog();
    open();
    const int budget = s.LetterBudget;
    for (auto [slot, row, column] : {std::tuple{1, 1, 1}, {3, 1, 3}, {5, 1, 5}, {7, 2, 2}, {8, 2, 3}}) {
        carry(slot, row, column);
        ASSERT_TRUE(fp.dialogs.shown.empty());
    }
    const int32_t sixLetters = pointsFor(6);
    EXPECT_EQ(s.Score, pointsFor(5));
    fp.clock.steady = {s.RoundStart + 12.4};
    form->Timer1_Timer(); // twelve seconds into the round
    ASSERT_EQ(s.ElapsedSeconds, 12);

    // What the window shows while the congratulation is open.
    QString labelDuringMessage;
    int scoreDuringMessage = 0;
    fp.dialogs.onShow = [&](const ScriptedDialogs::Shown&) {
        labelDuringMessage = form->Label3->text();
        scoreDuringMessage = s.Score;
    };
    press(GameWindow::inSlot(9));
    moveTo(inBox(2, 4));
    release(inBox(2, 4));
    ASSERT_TRUE(form);
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text, "Complimenti vivissimi, hai indovinato !!!");
    EXPECT_EQ(fp.dialogs.shown[0].title, "Parolix");
    // Six letters' points, then the bonus of 12 s for 9 letters.
    const int32_t withBonus = play::withTimeBonus(sixLetters, 12, 9);
    EXPECT_EQ(scoreDuringMessage, withBonus);
    EXPECT_EQ(labelDuringMessage, QString::fromStdString(play::scoreCaption(sixLetters)));
    EXPECT_EQ(s.Score, withBonus);
    EXPECT_EQ(form->Label3->text(), QString::fromStdString(play::scoreCaption(withBonus)));
    // The next, bigger round with less help, dealt by the same release.
    EXPECT_EQ(s.LetterBudget, budget + 4);
    EXPECT_EQ(s.HelpPercent, 39);
    EXPECT_EQ(s.BoardState, 0);
    EXPECT_EQ(s.Words[1], "GATTO");
    EXPECT_EQ(s.BoxRows[1], "G    ");
    EXPECT_EQ(s.WordCount, 1);
    EXPECT_EQ(pixel(board::boxPoint(s, 2, 1, form->ScaleWidth()).x, 150), BoardBackground); // old row 2 gone
    EXPECT_FALSE(form->Picture2->isVisible());
    EXPECT_EQ(form->Picture2->pos(), QPoint(0, 126));
    EXPECT_EQ(client()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(s.DragSlot, 0);
    // The new round plays on; its pool is " ATTO".
    EXPECT_EQ(s.PoolLetters, " ATTO");
    press(GameWindow::inSlot(2));
    release(inBox(1, 2));
    EXPECT_EQ(s.BoxRows[1], "GA   ");
    EXPECT_EQ(s.Score, withBonus + pointsFor(1)); // at the new help percentage
}
