// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Which slot a typed letter takes and where the cursor box goes.
#include "game/Play.h"

#include <gtest/gtest.h>

TEST(KeyboardPlay, TypedLettersAndCursorMoves)
{
    Session s;
    s.WordCount = 4;
    s.Words[1] = "GATTO", s.BoxRows[1] = "GA T "; // empty: 3, 5
    s.Words[2] = "CANE", s.BoxRows[2] = "C   ";   // empty: 2, 3, 4
    s.Words[3] = "LUPO", s.BoxRows[3] = "LUPO";   // full
    s.Words[4] = "ORSO", s.BoxRows[4] = "ORS ";   // empty: 4
    s.PoolLetters = "TTA'\xC0"
                    "AN";
    s.PoolRemaining = " TA'\xC0 N";

    struct Key {
        char key;
        int slot;
    };
    for (Key k : {Key{'t', 2}, Key{'T', 2}, Key{'a', 3}, Key{'\xe0', 5} /* a grave takes only A grave */,
                  Key{'\xc0', 5}, Key{'\'', 4}, Key{'n', 7}, Key{'e', 0}, Key{' ', 0}})
        EXPECT_EQ(keyboard::slotForKey(s, k.key), k.slot) << "key " << int(static_cast<unsigned char>(k.key));

    using M = keyboard::Move;
    struct Step {
        Cell from;
        M move;
        Cell to;
    };
    EXPECT_EQ(keyboard::firstEmptyBox(s), (Cell{1, 3}));
    for (Step c : {Step{{1, 3}, M::Right, {1, 5}},    Step{{1, 5}, M::Right, {1, 3}},
                   Step{{1, 3}, M::Left, {1, 5}},     Step{{2, 4}, M::Right, {2, 2}},
                   Step{{2, 2}, M::Left, {2, 4}},     Step{{4, 4}, M::Right, {4, 4}},
                   Step{{1, 5}, M::Down, {2, 4}},     Step{{2, 2}, M::Down, {4, 4}} /* past the full row */,
                   Step{{4, 4}, M::Down, {4, 4}},     Step{{4, 4}, M::Up, {2, 4}},
                   Step{{2, 3}, M::Up, {1, 3}},       Step{{2, 4}, M::Up, {1, 3}} /* two as near: the left one */,
                   Step{{1, 5}, M::Up, {1, 5}},       Step{{1, 5}, M::Next, {2, 2}},
                   Step{{4, 4}, M::Next, {1, 3}},     Step{{1, 3}, M::Previous, {4, 4}},
                   Step{{2, 2}, M::Previous, {1, 5}}, Step{{1, 1}, M::Down, {1, 3}} /* filled under it */,
                   Step{{0, 0}, M::Next, {1, 3}},     Step{{2, 5}, M::Left, {1, 3}} /* past the word */}) {
        const Cell to = keyboard::moveCursor(s, c.from, c.move);
        EXPECT_EQ(to, c.to) << c.from.row << "," << c.from.column << " move " << int(c.move) << " gave " << to.row
                            << "," << to.column;
    }

    s.BoxRows = s.Words; // a full board has nowhere to mark
    EXPECT_EQ(keyboard::firstEmptyBox(s), Cell{});
    EXPECT_EQ(keyboard::moveCursor(s, {1, 3}, M::Next), Cell{});
}
