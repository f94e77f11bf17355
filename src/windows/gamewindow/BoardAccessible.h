// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The board as a screen reader meets it: the pool's letters as push buttons,
// the words as a table (a row a word, a cell a box), and while a letter is
// carried by keys the box it would drop into as the focused cell, while the
// board itself keeps the focus. Qt makes these objects only when an
// assistive technology asks for them; the game window tells the board when
// it changed, and what a reader would now read differently is announced
// then. What happens is told in short messages, composed in Form2Text.

#include "game/Board.h"

#include <QObject>

#include <functional>
#include <string>

class QString;

struct Session;

// What the board's accessible objects read and do, given by the game window.
struct BoardReading {
    const Session& session;
    // The box a letter carried by keys would drop into; row 0 when none.
    std::function<Cell()> cursor;
};

// What a screen reader asks of the board, told to the game window.
class BoardRequests : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
signals:
    void takeRequested(int slot); // pool slot `slot` (1-based) pressed: taken as a typed letter is
};

class BoardCanvas;

// Gives the board its accessible objects, made when first asked for; their
// requests come through the object returned, which lives with the board.
BoardRequests* makeBoardAccessible(BoardCanvas& board, BoardReading reading);

// The board changed: a letter taken, placed or put back, the cursor box
// moved, a new round dealt. Costs nothing while no screen reader listens.
void announceBoardChange(BoardCanvas& board);

// Tells a listening screen reader `text` (code page 1252) at once, whatever
// has the focus; nothing while none listens.
void sayOnBoard(BoardCanvas& board, const std::string& text);

// A board was dealt: the whole of it is told once, as soon as the board has
// the focus in the active window (after what a reader says of the focus),
// or after a short wait when no window takes it.
void tellBoardDealt(BoardCanvas& board);
// The whole board told again, now.
void tellBoard(BoardCanvas& board);
// The letters still in the pool told, now (F8).
void tellPool(BoardCanvas& board);
