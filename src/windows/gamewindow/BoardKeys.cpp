// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "gamewindow/BoardKeys.h"

#include "desktop/Platform.h"
#include "game/Play.h"
#include "gamewindow/BoardAccessible.h"
#include "gamewindow/BoardCanvas.h"
#include "gamewindow/Form2Text.h"
#include "session/Cp1252.h"

#include <QKeyEvent>

BoardKeys::BoardKeys(BoardCanvas& board, Session& session, Sound& sound)
    : board_(board), session_(session), sound_(sound)
{
    board.installEventFilter(this);
}

bool BoardKeys::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::KeyPress && keyPress(static_cast<QKeyEvent*>(e))) {
        e->accept();
        return true;
    }
    return QObject::eventFilter(watched, e);
}

bool BoardKeys::carrying() const
{
    return byKeys_ && session_.DragSlot != 0;
}

bool BoardKeys::keyPress(QKeyEvent* e)
{
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    using keyboard::Move;
    const auto step = [this](Move m) {
        if (!carrying()) {
            sayOnBoard(board_, form2text::EmptyHand);
            return false;
        }
        moveTo(keyboard::moveCursor(session_, cursor_, m));
        if (cursor_.row != 0) sayOnBoard(board_, form2text::boxReached(cursor_));
        return true;
    };
    switch (e->key()) {
    case Qt::Key_Left: return step(Move::Left);
    case Qt::Key_Right: return step(Move::Right);
    case Qt::Key_Up: return step(Move::Up);
    case Qt::Key_Down: return step(Move::Down);
    case Qt::Key_Tab: return step(Move::Next);
    case Qt::Key_Backtab: return step(Move::Previous);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (e->isAutoRepeat()) return true;
        if (carrying()) drop();
        else sayOnBoard(board_, form2text::EmptyHand);
        return true;
    case Qt::Key_F5: tellBoard(board_); return true; // to a screen reader; nothing else sees it
    case Qt::Key_Escape:
        if (carrying()) putBack();
        else emit hideRecordsRequested(); // as a click on it does
        return true;
    default: break;
    }
    const QString text = e->text();
    if (text.size() != 1 || !text[0].isPrint()) return false;
    if (e->isAutoRepeat()) return true;
    // A character the game's code page lacks is in no pool: it takes nothing.
    const int byte = unicodeToCp1252(text[0].unicode());
    if (byte < 0) {
        sound_.beep();
        sayOnBoard(board_, form2text::notInPool(0));
    } else {
        take(static_cast<char>(byte));
    }
    return true;
}

void BoardKeys::take(char letter)
{
    const int slot = keyboard::slotForKey(session_, letter);
    if (slot == 0) {
        sound_.beep(); // as a press on a slot with nothing left to take
        sayOnBoard(board_, form2text::notInPool(upperCp1252(std::string(1, letter))[0]));
        return;
    }
    takeSlot(slot);
}

void BoardKeys::takeSlot(int slot)
{
    const char carried = carrying() ? board::carriedLetter(session_) : 0;
    emit takeRequested(slot);
    if (session_.DragSlot == 0) return;
    // Another letter taken while one is in hand keeps the box already marked.
    const bool keepBox = byKeys_ && board::boxEmpty(session_, cursor_);
    byKeys_ = true;
    moveTo(keepBox ? cursor_ : keyboard::firstEmptyBox(session_));
    const char letter = board::carriedLetter(session_);
    sayOnBoard(board_,
               carried ? form2text::letterReplaced(letter, carried, cursor_) : form2text::letterTaken(letter, cursor_));
}

void BoardKeys::moveTo(Cell box)
{
    cursor_ = box;
    if (box.row == 0) {
        board_.unmarkBox();
        return;
    }
    board_.markBox(board::boxPoint(session_, box.row, box.column, board_.width()));
    emit carryRequested(box);
    announceBoardChange(board_);
}

void BoardKeys::drop()
{
    if (cursor_.row == 0) return putBack();
    // Every release ends the drag; the box is no longer marked while the
    // release shows its messages (congratulations, the end of the game).
    board_.unmarkBox();
    emit dropRequested(cursor_); // may deal the next round or end the game
}

void BoardKeys::putBack()
{
    const char letter = board::carriedLetter(session_);
    board_.unmarkBox();
    emit dropRequested({});
    sayOnBoard(board_, form2text::letterPutBack(letter));
}

void BoardKeys::dragEnded()
{
    byKeys_ = false;
    cursor_ = {};
    board_.unmarkBox();
}
