// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Keyboard play on the board. A typed letter takes the pool slot that holds
// it; the arrows and Tab move a cursor box over the empty target boxes, and
// the carried tile follows it as it follows the mouse; Enter or Space drops
// the letter on the marked box, Escape puts it back. Each is a move by cell.
// Keys with Ctrl, Alt or Meta belong to the menus and are left alone.

#include "game/Board.h"

#include <QObject>

class BoardCanvas;
class QKeyEvent;
struct Session;
class Sound;

// Filters the board's keys before Tab moves the focus, and asks the window
// for the moves the mouse makes, by cell.
class BoardKeys : public QObject {
    Q_OBJECT
public:
    BoardKeys(BoardCanvas& board, Session& session, Sound& sound);

    // True when the key was taken.
    bool keyPress(QKeyEvent* e);
    // Takes the letter of pool slot s, as its typed letter does.
    void takeSlot(int slot);
    // Every drag ends here, whether keys or the mouse ended it.
    void dragEnded();

    bool carrying() const;
    Cell cursor() const { return cursor_; }

signals:
    void takeRequested(int slot);  // the letter of a pool slot taken
    void carryRequested(Cell box); // the carried tile over a box
    void dropRequested(Cell box);  // let go there (row 0: back to the pool)
    void hideRecordsRequested();   // as a click on the records table

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void take(char letter);
    void moveTo(Cell box);
    void drop();
    void putBack();

    BoardCanvas& board_;
    Session& session_;
    Sound& sound_;
    bool byKeys_ = false; // the letter in hand was taken by a key
    Cell cursor_;
};
