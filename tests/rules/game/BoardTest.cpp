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
    EXPECT_EQ(play::dropTest(s, board::cellAt(s, 1000 - 300 + 5, 80 + 50 * 19 - 40, 1000)), play::Drop::Outside);
    EXPECT_EQ(board::carriedLetter(s), 'O');
    s.DragSlot = 3; // past the pool: nothing is carried
    EXPECT_FALSE(board::carrying(s));
    EXPECT_EQ(board::carriedLetter(s), ' ');
}

// A row of up to ten boxes keeps its place; a longer one starts further left
// so that its last box ends at the client area's right edge, though never
// over the pool; one longer than the room beside the pool goes on over more
// lines, and the rows below move down. Every box lies inside the client
// area, its middle hits that box, and nothing beside a row does.
TEST(Board, LongRowsStayInsideTheClientAreaAndEveryBoxHitsItself)
{
    // The furthest left a row starts, and a width whose line of 24 boxes
    // ends exactly on the client area's last column.
    const Box cell = board::outlineBox({0, 0});
    const int farthestLeft = board::PoolRight - cell.left;
    const int flush = farthestLeft + board::CellWidth * 23 + cell.right + 1;
    const struct {
        int letters, width;
        int firstX; // the first box's reference point
        int lines;  // the lines the long row takes
    } cases[] = {
        {1, 1024, 1024 - 300, 1},
        {10, 1024, 1024 - 300, 1},
        {11, 1024, 1024 - 300 - 23, 1},
        {20, 1024, 1024 - 593, 1},
        {64, 2219, 2219 - 1913, 1},
        {64, 7680, 7680 - 1913, 1},
        {24, 1024, 311, 1}, // the longest that fits beside the pool
        {25, 1024, 306, 2},
        {64, 1920, 306, 2},
        {64, 640, 306, 6},
        {64, 320, 20, 7},
        // Rows that exactly fill their lines, at a width whose lines end on
        // the last column and at one with room to spare.
        {board::lineLength(flush), flush, farthestLeft, 1},
        {2 * board::lineLength(flush), flush, farthestLeft, 2},
        {3 * board::lineLength(1024), 1024, farthestLeft, 3},
        {2 * board::lineLength(320), 320, 20, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.letters) + " letters, " + std::to_string(c.width) + " px");
        Session s;
        s.WordCount = 3;
        s.Words[1] = s.BoxRows[1] = "CANE";
        s.Words[2] = std::string(static_cast<size_t>(c.letters), 'A');
        s.BoxRows[2] = std::string(static_cast<size_t>(c.letters), ' ');
        s.Words[3] = s.BoxRows[3] = "GATTO";
        EXPECT_EQ(board::boxPoint(s, 2, 1, c.width), (Point{c.firstX, 180}));
        EXPECT_EQ(board::boxPoint(s, 2, c.letters, c.width).y, 180 + 50 * (c.lines - 1));
        if (c.letters <= 10) {
            EXPECT_EQ(board::outlineBox(board::boxPoint(s, 2, c.letters, c.width)).right,
                      c.width - 300 + 30 * (c.letters - 1) + 22);
        } else if (c.lines == 1) {
            EXPECT_EQ(board::outlineBox(board::boxPoint(s, 2, c.letters, c.width)).right, c.width - 1);
        }
        // The rows around it keep their places, the one below a line lower
        // for each line the long row adds.
        EXPECT_EQ(board::boxPoint(s, 1, 1, c.width), (Point{c.width - 300, 130}));
        EXPECT_EQ(board::boxPoint(s, 3, 5, c.width), (Point{c.width - 300 + 120, 230 + 50 * (c.lines - 1)}));
        for (int row = 1; row <= 3; ++row)
            for (int column = 1; column <= board::boxesInRow(s, row); ++column) {
                const Point p = board::boxPoint(s, row, column, c.width);
                const Box outline = board::outlineBox(p);
                if (c.width >= 640) {
                    EXPECT_GE(outline.left, board::PoolRight) << row << "," << column;
                }
                EXPECT_LE(outline.right, c.width - 1) << row << "," << column;
                const Point m = board::middle(p);
                EXPECT_EQ(board::cellAt(s, m.x, m.y, c.width), (Cell{row, column})) << row << "," << column;
                // Right of a full line's last box there is no box.
                if (row == 2 && c.lines > 1 && column % board::lineLength(c.width) == 0) {
                    EXPECT_FALSE(board::boxExists(s, board::cellAt(s, m.x + 30, m.y, c.width)));
                    if (c.width == flush) {
                        EXPECT_EQ(outline.right, c.width - 1) << column;
                    }
                }
            }
        const Point before = board::boxPoint(s, 2, 1, c.width);
        EXPECT_FALSE(board::boxExists(s, board::cellAt(s, before.x - 10, before.y - 40, c.width)));
        EXPECT_FALSE(board::boxExists(s, board::cellAt(s, c.width - 300 - 10, 130 - 40, c.width)));
    }
}
