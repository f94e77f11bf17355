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
    const Genre classic[] = {{"Animali", "00.wmf", 4},     {"Frutti", "01.wmf", 5},        {"Fiori", "02.wmf", 6},
                             {"Marche Auto", "03.wmf", 7}, {"Citta' Italia", "04.wmf", 8}, {"Musica", "05.wmf", 9},
                             {"Computer", "06.wmf", 10},   {"In Cucina", "07.wmf", 11}};
    ASSERT_EQ(GenreCount, static_cast<int>(std::size(classic)));
    for (int t = 0; t < GenreCount; ++t) {
        EXPECT_STREQ(Genres[t].name, classic[t].name);
        EXPECT_STREQ(Genres[t].picture, classic[t].picture);
        EXPECT_EQ(Genres[t].tileColour, classic[t].tileColour) << classic[t].name;
    }
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
