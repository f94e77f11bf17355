// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The board's vocabulary, which the rules, the keys, the canvas and the
// window all use: it keeps to the session's arrays whatever its counts say.
#include "game/Board.h"
#include "game/Play.h"

#include <gtest/gtest.h>

TEST(Board, BoxesExistAndAreEmptyOnlyInsideTheRowsInPlay)
{
    Session s;
    s.WordCount = 2;
    s.Words[1] = "GATTO", s.BoxRows[1] = " A T ";
    s.Words[2] = "CANE", s.BoxRows[2] = "C  ";  // one box short: it takes no letter
    s.Words[3] = "LUPO", s.BoxRows[3] = "    "; // past WordCount
    struct Case {
        Cell box;
        bool exists, empty;
    };
    for (const Case& c : {Case{{1, 1}, true, true}, Case{{1, 2}, true, false}, Case{{1, 5}, true, true},
                          Case{{1, 6}, false, false}, Case{{1, 0}, false, false}, Case{{0, 1}, false, false},
                          Case{{2, 3}, true, true}, Case{{2, 4}, true, false}, Case{{3, 1}, false, false}}) {
        EXPECT_EQ(board::boxExists(s, c.box), c.exists) << c.box.row << "," << c.box.column;
        EXPECT_EQ(board::boxEmpty(s, c.box), c.empty) << c.box.row << "," << c.box.column;
    }

    // A count past the arrays reads no further than they go, in every rule.
    s.WordCount = 40;
    EXPECT_EQ(board::rowsInPlay(s), 18);
    EXPECT_FALSE(board::boxExists(s, {19, 1}));
    EXPECT_FALSE(play::boardComplete(s));
    s.PoolLetters = s.PoolRemaining = "GO";
    s.DragSlot = 2;
    EXPECT_EQ(play::dropTest(s, 1000 - 300 + 5, 80 + 50 * 19 - 40, 1000), play::Drop::Outside);
    EXPECT_EQ(board::carriedLetter(s), 'O');
    s.DragSlot = 3; // past the pool: nothing is carried
    EXPECT_FALSE(board::carrying(s));
    EXPECT_EQ(board::carriedLetter(s), ' ');
}
