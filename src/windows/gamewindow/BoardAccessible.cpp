// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "gamewindow/BoardAccessible.h"

#include "gamewindow/BoardParts.h"
#include "gamewindow/Form2Text.h"

using namespace boardaccess;

namespace {

Heard hear(const BoardReading& r)
{
    const Session& s = r.session;
    Heard h;
    h.made = true;
    h.deal = s.PoolLetters;
    h.status = form2text::boardStatus(s);
    for (int slot = 1; slot <= slotCount(s); ++slot) h.pool += slotLetter(s, slot);
    for (int row = 1; row <= board::rowsInPlay(s); ++row) {
        h.deal += '|' + s.Words[static_cast<size_t>(row)];
        std::string shown;
        for (int column = 1; column <= board::boxesInRow(s, row); ++column) shown += boxLetter(s, row, column);
        h.boxes.push_back(shown);
    }
    h.focus = r.cursor ? r.cursor() : Cell{};
    return h;
}

QAccessibleInterface* boardFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String("BoardCanvas")) return nullptr;
    auto* board = static_cast<BoardCanvas*>(object);
    BoardLink* link = linkOf(board);
    return link ? new BoardInterface(board, link) : nullptr;
}

void announce(QAccessibleInterface* iface, QAccessible::Event type)
{
    QAccessibleEvent e(iface, type);
    QAccessible::updateAccessibility(&e);
}

} // namespace

void makeBoardAccessible(BoardCanvas& board, BoardReading reading)
{
    static const bool installed = (QAccessible::installFactory(boardFactory), true);
    (void)installed;
    new BoardLink(board, std::move(reading));
}

void announceBoardChange(BoardCanvas& board)
{
    if (!QAccessible::isActive()) return;
    BoardLink* link = linkOf(&board);
    auto* iface = dynamic_cast<BoardInterface*>(QAccessible::queryAccessibleInterface(&board));
    if (!link || !iface) return;
    const Heard now = hear(link->reading);
    const Heard& was = link->heard;
    if (was.made && was.deal != now.deal) {
        // Another round: other slots, other rows.
        announce(iface->pool(), QAccessible::ObjectReorder);
        announce(iface->table(), QAccessible::ObjectReorder);
    } else if (was.made) {
        for (size_t i = 0; i < now.pool.size(); ++i)
            if (now.pool[i] != was.pool[i]) announce(iface->slot(static_cast<int>(i) + 1), QAccessible::NameChanged);
        for (size_t r = 0; r < now.boxes.size(); ++r)
            for (size_t c = 0; c < now.boxes[r].size(); ++c)
                if (now.boxes[r][c] != was.boxes[r][c])
                    announce(iface->cell(static_cast<int>(r) + 1, static_cast<int>(c) + 1), QAccessible::NameChanged);
    }
    if (was.status != now.status) announce(iface, QAccessible::DescriptionChanged);
    if (now.focus != was.focus) {
        if (now.focus.row != 0) announce(iface->cell(now.focus.row, now.focus.column), QAccessible::Focus);
        else if (board.hasFocus()) announce(iface, QAccessible::Focus);
    }
    link->heard = now;
}
