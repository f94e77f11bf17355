// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The game's own numbers, pinned here once: every other test takes them from
// the rules, so a change of rule breaks this suite alone.
#include "game/Play.h"
#include "records/RecordsTable.h"
#include "session/Session.h"

#include <gtest/gtest.h>

TEST(ClassicNumbers, TheRulesConstants)
{
    EXPECT_EQ(play::RightLetterPoints, 300);
    EXPECT_EQ(RecordsKept, 10);
    EXPECT_EQ(GenreCount, 8);
    EXPECT_STREQ(Genres[0].name, "Animali");
    EXPECT_STREQ(Genres[GenreCount - 1].picture, "07.wmf");
}

// At a help percentage of 40 a right letter is worth 7.5: the sum is rounded
// half to even, so the ties fall both ways.
TEST(ClassicNumbers, LetterPointsRoundHalfToEven)
{
    struct Case {
        int16_t help;
        int32_t before, after;
    };
    for (const Case& c : {Case{40, 0, 8} /* 7.5 */, Case{40, 8, 16} /* 15.5 */, Case{40, 1, 8} /* 8.5 */,
                          Case{41, 0, 7} /* 7.32 */, Case{0, 0, 300}}) {
        SCOPED_TRACE(testing::Message() << c.help << "% from " << c.before);
        Session s;
        s.HelpPercent = c.help;
        s.Score = c.before;
        play::scoreRightLetter(s);
        EXPECT_EQ(s.Score, c.after);
    }
}
