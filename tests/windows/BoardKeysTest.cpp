// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Keyboard play alone, on a bare board: keys become the moves of the mouse,
// by pool slot and box, with no game window around.
#include "gamewindow/BoardKeys.h"
#include "doubles/Doubles.h"
#include "game/Play.h"
#include "gamewindow/BoardCanvas.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct BareBoard {
    Session s;
    CountingSound sound;
    BoardCanvas board;
    std::vector<int> presses;
    std::vector<Cell> moves, releases;
    int recordsHidden = 0;
    BoardKeys keys{board, s, sound};

    BareBoard()
    {
        QObject::connect(&keys, &BoardKeys::takeRequested, [this](int slot) { take(slot); });
        QObject::connect(&keys, &BoardKeys::carryRequested, [this](Cell box) { moves.push_back(box); });
        QObject::connect(&keys, &BoardKeys::dropRequested, [this](Cell box) { drop(box); });
        QObject::connect(&keys, &BoardKeys::hideRecordsRequested, [this] { ++recordsHidden; });
        board.resize(800, 600);
        s.WordCount = 2;
        s.Words[1] = "GATTO", s.BoxRows[1] = " A T ";
        s.Words[2] = "CANE", s.BoxRows[2] = "C   ";
        s.PoolLetters = s.PoolRemaining = "G T O ANE";
        s.PoolSize = 9;
    }
    // The window's part, by the rules it uses: taking a slot may pick a
    // letter up, a drop places it and ends the drag.
    void take(int slot)
    {
        presses.push_back(slot);
        play::take(s, slot);
    }
    void drop(Cell box)
    {
        releases.push_back(box);
        if (s.DragSlot != 0) play::dropAt(s, box.row, box.column);
        s.DragSlot = 0;
        keys.dragEnded();
    }
    bool key(int k, const QString& text = {}, Qt::KeyboardModifiers m = {}, bool autoRepeat = false)
    {
        QKeyEvent e(QEvent::KeyPress, k, m, text, autoRepeat);
        return keys.keyPress(&e);
    }
};

} // namespace

TEST(BoardKeys, KeysBecomeMovesBySlotAndBox)
{
    BareBoard b;
    EXPECT_FALSE(b.key(Qt::Key_G, "g", Qt::ControlModifier)); // the menus' keys
    EXPECT_FALSE(b.key(Qt::Key_Right));                       // nothing carried: not taken
    EXPECT_TRUE(b.key(Qt::Key_Escape));                       // hides the records table
    EXPECT_EQ(b.recordsHidden, 1);
    EXPECT_TRUE(b.presses.empty() && b.releases.empty());

    EXPECT_TRUE(b.key(Qt::Key_Z, "z"));            // no Z in the pool
    EXPECT_TRUE(b.key(0, QString(QChar(0x0416)))); // not in the game's code page
    EXPECT_EQ(b.sound.beeps, 2);
    EXPECT_TRUE(b.presses.empty());

    EXPECT_TRUE(b.key(Qt::Key_T, "t")); // the first T still in the pool: slot 3
    EXPECT_EQ(b.presses, (std::vector<int>{3}));
    EXPECT_TRUE(b.keys.carrying());
    EXPECT_EQ(b.keys.cursor(), (Cell{1, 1}));
    EXPECT_EQ(b.moves.back(), (Cell{1, 1}));
    EXPECT_EQ(b.board.markedFrame(), board::cursorFrame(board::boxPoint(b.s, 1, 1, b.board.width())));

    EXPECT_TRUE(b.key(Qt::Key_Down)); // nearest empty box below
    EXPECT_TRUE(b.key(Qt::Key_Tab));
    EXPECT_TRUE(b.key(Qt::Key_Right));
    EXPECT_TRUE(b.key(Qt::Key_Right)); // round the row
    EXPECT_EQ(b.keys.cursor(), (Cell{2, 2}));
    EXPECT_EQ(b.moves.back(), (Cell{2, 2}));
    EXPECT_TRUE(b.key(Qt::Key_O, "o")); // another letter keeps the marked box
    EXPECT_EQ(b.keys.cursor(), (Cell{2, 2}));

    EXPECT_TRUE(b.key(Qt::Key_Return, "\r", {}, true)); // a held key drops nothing
    EXPECT_TRUE(b.releases.empty());
    EXPECT_TRUE(b.key(Qt::Key_Escape)); // back to the pool: a drop on no box
    EXPECT_EQ(b.releases, (std::vector<Cell>{{}}));
    EXPECT_EQ(b.recordsHidden, 1);
    EXPECT_FALSE(b.keys.carrying() || b.board.markedFrame());

    EXPECT_TRUE(b.key(Qt::Key_T, "t"));
    EXPECT_TRUE(b.key(Qt::Key_Tab));
    EXPECT_TRUE(b.key(Qt::Key_Space, " "));
    EXPECT_EQ(b.releases.back(), (Cell{1, 3}));
    EXPECT_EQ(b.s.BoxRows[1], " ATT ");
    EXPECT_EQ(b.s.Score, play::RightLetterPoints); // a help percentage of 0 counts as 1
    EXPECT_FALSE(b.keys.carrying() || b.board.markedFrame());
}

// A letter of the pool with each modifier: Shift and the keypad still type
// it; Ctrl, Alt and Meta, alone or together, leave it to the menus, and
// nothing is taken or beeped.
TEST(BoardKeys, OnlyShiftOrTheKeypadStillTypeALetter)
{
    const struct {
        const char* what;
        Qt::KeyboardModifiers modifiers;
        bool takes;
    } cases[] = {
        {"none", Qt::NoModifier, true},
        {"Shift", Qt::ShiftModifier, true},
        {"keypad", Qt::KeypadModifier, true},
        {"Ctrl", Qt::ControlModifier, false},
        {"Alt", Qt::AltModifier, false},
        {"Meta", Qt::MetaModifier, false},
        {"Shift and Alt", Qt::ShiftModifier | Qt::AltModifier, false},
        {"Ctrl and Alt", Qt::ControlModifier | Qt::AltModifier, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BareBoard b;
        const QString text = c.modifiers & Qt::ShiftModifier ? "G" : "g";
        EXPECT_EQ(b.key(Qt::Key_G, text, c.modifiers), c.takes);
        EXPECT_EQ(b.keys.carrying(), c.takes);
        EXPECT_EQ(b.presses.size(), c.takes ? 1u : 0u);
        EXPECT_EQ(b.s.DragSlot, c.takes ? 1 : 0);
        EXPECT_EQ(b.sound.beeps, 0);
    }
}
