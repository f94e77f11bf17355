// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "game/Play.h"

#include <cmath>
#include <gtest/gtest.h>

using play::RightLetterPoints;

namespace {
// A board of one word with the given boxes, and its pool.
Session boardOf(const std::string& word, const std::string& boxes, const std::string& pool)
{
    Session s;
    s.WordCount = 1;
    s.Words[1] = word;
    s.BoxRows[1] = boxes;
    s.PoolLetters = pool;
    s.PoolRemaining = pool;
    s.PoolSize = static_cast<int16_t>(pool.size());
    return s;
}
constexpr int Width = 1000; // client width: the target area starts at x > 700
// A drop where the mouse lets go: the point becomes a cell as the window turns it.
play::Drop dropAtPoint(Session& s, double x, double y)
{
    return play::dropTest(s, board::cellAt(s, x, y, Width));
}
} // namespace

// A right letter is worth RightLetterPoints / HelpPercent added to the score
// (the rounding of ties is pinned in ClassicNumbers); a HelpPercent of zero
// counts as one and becomes one; the score saturates.
TEST(LetterPoints, ScoreAndHelpPercent)
{
    struct Case {
        int16_t help;
        int32_t before, after;
        int16_t helpAfter;
    };
    for (const Case& c : {Case{1, 0, RightLetterPoints, 1}, Case{0, 0, RightLetterPoints, 1},
                          Case{2, 10, 10 + RightLetterPoints / 2, 2}, Case{1, INT32_MAX - 100, INT32_MAX, 1}}) {
        SCOPED_TRACE(testing::Message() << c.help << "% from " << c.before);
        Session s;
        s.HelpPercent = c.help;
        s.Score = c.before;
        play::scoreRightLetter(s);
        EXPECT_EQ(s.Score, c.after);
        EXPECT_EQ(s.HelpPercent, c.helpAfter);
    }
}

TEST(TimeBonus, FollowsTheFormula)
{
    struct Case {
        int32_t score, seconds, letters, expected;
    };
    for (const Case& c : {Case{0, 12, 6, 50}, Case{0, 7, 6, 85} /* 85.71 */, Case{16, 7, 6, 101},
                          Case{10, 0, 6, 610} /* the first second counts as one, no division by zero */,
                          Case{INT32_MAX, 1, 100, INT32_MAX}})
        EXPECT_EQ(play::withTimeBonus(c.score, c.seconds, c.letters), c.expected)
            << c.score << " after " << c.seconds << " s, " << c.letters << " letters";
}

TEST(Completion, EveryRowFromZeroToWordCountMustMatch)
{
    Session s = boardOf("AB", "AB", "");
    s.WordCount = 2;
    s.Words[2] = "CD";
    s.BoxRows[2] = "C ";
    EXPECT_FALSE(play::boardComplete(s));
    s.BoxRows[2] = "CD";
    EXPECT_TRUE(play::boardComplete(s));
    s.BoxRows[2] = "Cd"; // case counts
    EXPECT_FALSE(play::boardComplete(s));
    // A blank inside a word is right while its box stays empty.
    Session blank = boardOf("LA ZIA", "LA ZIA", "");
    EXPECT_TRUE(play::boardComplete(blank));
    // Rows past WordCount are not looked at; an empty board is complete.
    s.BoxRows[2] = "CD";
    s.Words[3] = "XY";
    EXPECT_TRUE(play::boardComplete(s));
    EXPECT_TRUE(play::boardComplete(Session{}));
}

TEST(Drop, TargetAreaBoxesAndBoundaries)
{
    Session s = boardOf("GATTO", " A T ", "G T O");
    s.DragSlot = 1;
    EXPECT_EQ(dropAtPoint(s, 701, 100), play::Drop::Empty);
    EXPECT_EQ(s.TargetRow, 1);
    EXPECT_EQ(s.TargetColumn, 1);
    EXPECT_EQ(dropAtPoint(s, 731, 100), play::Drop::Occupied);
    EXPECT_EQ(dropAtPoint(s, 700, 100), play::Drop::Outside); // x = ScaleWidth - 300
    EXPECT_EQ(dropAtPoint(s, 705, 78), play::Drop::Outside);  // y = 78
    EXPECT_EQ(dropAtPoint(s, 705, 78.5), play::Drop::Empty);  // 58.5 rounds to 58: row 1
    EXPECT_EQ(dropAtPoint(s, 851, 100), play::Drop::Outside); // right of the word
    EXPECT_EQ(dropAtPoint(s, 705, 170), play::Drop::Outside); // below the last row
    EXPECT_EQ(s.TargetRow, 3);
    // y - 20 = 130.5 rounds to 130 (even): row 2; 129.5 rounds to 130 too.
    EXPECT_EQ(dropAtPoint(s, 705, 150.5), play::Drop::Outside);
    EXPECT_EQ(s.TargetRow, 2);
    EXPECT_EQ(dropAtPoint(s, 705, 119.5), play::Drop::Outside);
    EXPECT_EQ(s.TargetRow, 2);
    EXPECT_EQ(dropAtPoint(s, 705, 118.5), play::Drop::Empty);
    EXPECT_EQ(s.TargetRow, 1);
}

TEST(Placement, TheCheckIsCaseSensitive)
{
    // Equal letters are interchangeable; lower case is not upper case.
    Session t = boardOf("AA", "  ", "Aa");
    t.DragSlot = 2;
    t.TargetRow = 1;
    t.TargetColumn = 1;
    play::place(t);
    EXPECT_FALSE(play::checkPlaced(t));
    EXPECT_EQ(t.BoardState, 'A');
}

TEST(ScoreCaption, HasASignPlace)
{
    EXPECT_EQ(play::scoreCaption(8), "Punti: 8");
    EXPECT_EQ(play::scoreCaption(0), "Punti: 0");
    EXPECT_EQ(play::scoreCaption(-3), "Punti:-3");
}

TEST(Clock, Captions)
{
    for (auto [seconds, caption] : {std::pair{127, "Min. 2  Sec. 7"},
                                    {59, "Min. 0  Sec. 59"},
                                    {60, "Min. 1  Sec. 0"},
                                    {3600, "Min. 60  Sec. 0"},
                                    {0, "Min. 0  Sec. 0"}})
        EXPECT_EQ(clockCaption(seconds), caption) << seconds;
}

TEST(Clock, ElapsedWholeSeconds)
{
    const struct {
        double now, start, elapsed;
    } cases[] = {
        {1012.9, 1000.5, 12},
        {1000.9, 1000.5, 0},
        {1000.5 + 13 * 3600 + 0.2, 1000.5, 13 * 3600},
        // A steady clock never goes back; should it seem to, no time passed.
        {1000.0, 1000.5, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(elapsedSeconds(c.now, c.start), c.elapsed) << c.now << " " << c.start;
    EXPECT_EQ(elapsedSeconds(std::nan(""), 0), 0);
}
