// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Keyboard play on the board. A typed letter takes the pool slot that holds
// it; the arrows and Tab move a cursor box over the empty target boxes, and
// the carried tile follows it as it follows the mouse; Enter or Space drops
// the letter on the marked box, Escape puts it back. Each is a move by cell.
// Keys with Ctrl, Alt or Meta belong to the menus and are left alone.

#include "game/Board.h"

#include <functional>

class BoardCanvas;
class QKeyEvent;
struct Session;
class Sound;

// What keys do to the game window: the moves the mouse makes, by cell, and
// the click that hides the records table.
struct BoardActions {
    std::function<void(int slot)> take;  // takes the letter of a pool slot
    std::function<void(Cell)> carryOver; // the carried tile over a box
    std::function<void(Cell)> drop;      // lets it go there (row 0: back to the pool)
    std::function<void()> hideRecords;   // does nothing while the table is hidden
};

class BoardKeys {
public:
    BoardKeys(BoardActions actions, BoardCanvas& board, Session& session, Sound& sound);

    // True when the key was taken.
    bool keyPress(QKeyEvent* e);
    // Takes the letter of pool slot s, as its typed letter does.
    void takeSlot(int slot);
    // Every drag ends here, whether keys or the mouse ended it.
    void dragEnded();

    bool carrying() const;
    Cell cursor() const { return cursor_; }

private:
    void take(char letter);
    void moveTo(Cell box);
    void drop();
    void putBack();

    BoardActions actions_;
    BoardCanvas& board_;
    Session& session_;
    Sound& sound_;
    bool byKeys_ = false; // the letter in hand was taken by a key
    Cell cursor_;
};
