// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The board's accessible objects: what each part of the board reads and does,
// then how they are made and how a change is announced.

#include "gamewindow/BoardAccessible.h"

#include "desktop/Platform.h"
#include "game/Board.h"
#include "gamewindow/BoardCanvas.h"
#include "gamewindow/Form2Text.h"
#include "session/Session.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace boardaccess {

// ---------------------------------------------------------------- the board as the session holds it

int slotCount(const Session& s)
{
    return std::min({static_cast<int>(s.PoolSize), static_cast<int>(s.PoolLetters.size()),
                     static_cast<int>(s.PoolRemaining.size())});
}

// The letter pool slot s holds for the player, or 0: placed, carried, or a
// blank that never held one.
char slotLetter(const Session& s, int slot)
{
    const char c = s.PoolRemaining[static_cast<size_t>(slot - 1)];
    return c == ' ' || (board::carrying(s) && slot == s.DragSlot) ? 0 : c;
}

// The letter a box shows (help or placed), or 0; a blank of its word, which
// stays empty, is read as the blank it is.
char boxLetter(const Session& s, int row, int column)
{
    const std::string& shown = s.BoxRows[static_cast<size_t>(row)];
    const std::string& word = s.Words[static_cast<size_t>(row)];
    const size_t c = static_cast<size_t>(column - 1);
    if (c < shown.size() && shown[c] != ' ') return shown[c];
    return c < word.size() && word[c] == ' ' ? ' ' : 0;
}

QString letterName(char c)
{
    return toUnicode(form2text::charName(c));
}

// What a reader hears of the board as the focus comes back: what is in hand
// and where it would go.
std::string statusOf(const BoardReading& r)
{
    const char carried = board::carrying(r.session) ? board::carriedLetter(r.session) : 0;
    return form2text::boardStatus(r.session, carried, r.cursor ? r.cursor() : Cell{});
}

// What a reader last heard of the board; a change is announced against it.
struct Heard {
    bool made = false;
    std::string deal; // the pool and the words: another round when it changes
    std::string status;
    std::string pool;               // slotLetter of each slot
    std::vector<std::string> boxes; // boxLetter of each box, row by row
};

// The window's reading of the board, kept beside it, and what was last said.
class BoardLink : public BoardRequests {
public:
    BoardLink(BoardCanvas& board, BoardReading r) : BoardRequests(&board), reading(std::move(r))
    {
        board.installEventFilter(this);
    }
    BoardReading reading;
    Heard heard;
    QString said;         // the last message told
    bool tellDue = false; // a board dealt and not yet told

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
};

inline BoardLink* linkOf(const QWidget* board)
{
    for (QObject* o : board->children())
        if (auto* link = dynamic_cast<BoardLink*>(o)) return link;
    return nullptr;
}

// ---------------------------------------------------------------- the objects

class BoardInterface;

// A part of the board without a widget of its own: the pool, a slot, the
// table of words, a row's header, a box.
class BoardPart : public QAccessibleInterface {
public:
    explicit BoardPart(const BoardInterface* board) : board_(board) {}
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    void setText(QAccessible::Text, const QString&) override {}
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y)) return c;
        return nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::State state() const override { return {}; }

protected:
    const Session& session() const;
    // A part made of parts covers what they cover.
    QRect childrenRect() const
    {
        QRect r;
        for (int i = 0; i < childCount(); ++i) r |= child(i)->rect();
        return r;
    }
    // A part whose only text is its name.
    static QString nameOnly(QAccessible::Text t, const char* name)
    {
        return t == QAccessible::Name ? toUnicode(name) : QString();
    }
    const BoardInterface* board_;
};

class BoardInterface : public QAccessibleWidget {
public:
    BoardInterface(BoardCanvas* board, BoardLink* link) : QAccessibleWidget(board, QAccessible::Pane), link_(link) {}
    ~BoardInterface() override
    {
        for (const auto& [key, id] : parts_) QAccessible::deleteAccessibleInterface(id);
    }

    bool isValid() const override { return QAccessibleWidget::isValid() && link_; }
    const Session& session() const { return link_->reading.session; }
    Cell cursor() const { return link_ && link_->reading.cursor ? link_->reading.cursor() : Cell{}; }
    void take(int slot) const
    {
        if (link_) emit link_->takeRequested(slot);
    }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return toUnicode(form2text::BoardName);
        if (t == QAccessible::Description) return toUnicode(statusOf(link_->reading));
        if (t == QAccessible::Help) return toUnicode(form2text::BoardHelp);
        return QAccessibleWidget::text(t);
    }

    // The labels and the records list, then the pool and the words. The
    // genre picture repeats the genre's name, the drag tile the carried
    // letter: a reader skips both.
    QList<QWidget*> shownWidgets() const
    {
        QList<QWidget*> shown;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && !dynamic_cast<PictureBox*>(w) && !dynamic_cast<DragTile*>(w)) shown.append(w);
        }
        return shown;
    }
    // After the widgets: the pool with its label, the words and the bar that
    // tells what happens.
    QList<QAccessibleInterface*> parts() const { return {poolLabel(), pool(), table(), bar()}; }
    int childCount() const override { return static_cast<int>(shownWidgets().size() + parts().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> shown = shownWidgets();
        if (index >= 0 && index < shown.size()) return QAccessible::queryAccessibleInterface(shown[index]);
        return parts().value(index - shown.size());
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        if (!c) return -1;
        const QList<QWidget*> shown = shownWidgets();
        if (const qsizetype i = parts().indexOf(c); i >= 0) return static_cast<int>(shown.size() + i);
        return static_cast<int>(shown.indexOf(qobject_cast<QWidget*>(c->object())));
    }
    QAccessibleInterface* focusChild() const override
    {
        const Cell at = cursor();
        return at.row != 0 ? cell(at.row, at.column) : QAccessibleWidget::focusChild();
    }

    // Board pixels to the screen.
    QRect onScreen(Box b) const
    {
        return {widget()->mapToGlobal(QPoint(b.left, b.top)), widget()->mapToGlobal(QPoint(b.right, b.bottom))};
    }
    int boardWidth() const { return widget()->width(); }
    QWindow* windowHandle() const { return widget()->window()->windowHandle(); }
    QString said() const { return link_ ? link_->said : QString(); }

    // The parts, each made when first asked for and kept while the board lives.
    QAccessibleInterface* pool() const;
    QAccessibleInterface* poolLabel() const;
    QAccessibleInterface* table() const;
    QAccessibleInterface* slot(int s) const;
    QAccessibleInterface* header(int row) const;
    QAccessibleInterface* cell(int row, int column) const;
    QAccessibleInterface* bar() const;
    QAccessibleInterface* note() const;

private:
    template <typename Part, typename Kind> QAccessibleInterface* part(Kind kind, int a, int b) const
    {
        auto [it, fresh] = parts_.try_emplace({static_cast<int>(kind), a, b}, 0);
        if (fresh) it->second = QAccessible::registerAccessibleInterface(new Part(this, a, b));
        return QAccessible::accessibleInterface(it->second);
    }

    QPointer<BoardLink> link_; // goes with the board's children, before this
    mutable std::map<std::tuple<int, int, int>, QAccessible::Id> parts_;
};

QWindow* BoardPart::window() const
{
    return board_->windowHandle();
}
const Session& BoardPart::session() const
{
    return board_->session();
}

namespace {

// The pool: a group of push buttons, one a slot.
class PoolGroup : public BoardPart {
public:
    PoolGroup(const BoardInterface* board, int, int) : BoardPart(board) {}
    bool isValid() const override { return board_->isValid(); }
    QAccessibleInterface* parent() const override { return const_cast<BoardInterface*>(board_); }
    int childCount() const override { return isValid() ? slotCount(session()) : 0; }
    QAccessibleInterface* child(int i) const override
    {
        return i >= 0 && i < childCount() ? board_->slot(i + 1) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (board_->slot(i + 1) == c) return i;
        return -1;
    }
    QString text(QAccessible::Text t) const override { return nameOnly(t, form2text::PoolName); }
    QRect rect() const override { return childrenRect(); }
    QAccessible::Role role() const override { return QAccessible::Grouping; }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        if (!(match & QAccessible::Labelled)) return {};
        return {{board_->poolLabel(), QAccessible::Labelled}};
    }
};

// Where a part begins on screen: a sliver at the left edge of its first box,
// so that a review by lines reads the part's name first on that line.
QRect leadingEdge(QRect first)
{
    return {first.left(), first.top(), 1, first.height()};
}

// The pool's label, "Vasca", at the start of its first line.
class PoolLabel : public BoardPart {
public:
    PoolLabel(const BoardInterface* board, int, int) : BoardPart(board) {}
    bool isValid() const override { return board_->isValid(); }
    QAccessibleInterface* parent() const override { return const_cast<BoardInterface*>(board_); }
    QString text(QAccessible::Text t) const override { return nameOnly(t, form2text::PoolName); }
    QRect rect() const override { return isValid() ? leadingEdge(board_->slot(1)->rect()) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        if (!(match & QAccessible::Label)) return {};
        return {{board_->pool(), QAccessible::Label}};
    }
};

// A pool slot: named by its letter while it holds one; pressed, it takes it.
class SlotButton : public BoardPart, public QAccessibleActionInterface {
public:
    SlotButton(const BoardInterface* board, int slot, int) : BoardPart(board), slot_(slot) {}
    bool isValid() const override { return board_->isValid() && slot_ <= slotCount(session()); }
    QAccessibleInterface* parent() const override { return board_->pool(); }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid()) return {};
        const char letter = slotLetter(session(), slot_);
        const bool blank = session().PoolLetters[static_cast<size_t>(slot_ - 1)] == ' ';
        if (letter) return letterName(letter);
        return toUnicode(blank ? form2text::Blank : form2text::Used);
    }
    QRect rect() const override { return board_->onScreen(board::outlineBox(board::poolPoint(slot_))); }
    QAccessible::Role role() const override { return QAccessible::PushButton; }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid()) board_->take(slot_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    int slot_;
};

// The words: a row a word, a cell a box, each row led by its header. The
// children run row by row, header first. Rows differ in length: the table is
// as wide as the longest, and a column past a row's end holds no cell.
class WordTable : public BoardPart, public QAccessibleTableInterface {
public:
    WordTable(const BoardInterface* board, int, int) : BoardPart(board) {}
    bool isValid() const override { return board_->isValid(); }
    QAccessibleInterface* parent() const override { return const_cast<BoardInterface*>(board_); }
    int childCount() const override
    {
        int n = 0;
        for (int row = 1; row <= rowCount(); ++row) n += 1 + board::boxesInRow(session(), row);
        return n;
    }
    QAccessibleInterface* child(int i) const override
    {
        for (int row = 1; row <= rowCount() && i >= 0; ++row) {
            if (i == 0) return board_->header(row);
            if (i <= board::boxesInRow(session(), row)) return board_->cell(row, i);
            i -= 1 + board::boxesInRow(session(), row);
        }
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        for (int i = 0, row = 1; row <= rowCount(); ++row) {
            if (c == board_->header(row)) return i;
            for (int column = 1; column <= board::boxesInRow(session(), row); ++column)
                if (c == board_->cell(row, column)) return i + column;
            i += 1 + board::boxesInRow(session(), row);
        }
        return -1;
    }
    QString text(QAccessible::Text t) const override { return nameOnly(t, form2text::WordsName); }
    QRect rect() const override { return childrenRect(); }
    QAccessible::Role role() const override { return QAccessible::Table; }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        const bool inRow =
            row >= 0 && row < rowCount() && column >= 0 && column < board::boxesInRow(session(), row + 1);
        return inRow ? board_->cell(row + 1, column + 1) : nullptr;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int row) const override
    {
        return row >= 0 && row < rowCount() ? board_->header(row + 1)->text(QAccessible::Name) : QString();
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override
    {
        int most = 0;
        for (int row = 1; row <= rowCount(); ++row) most = std::max(most, board::boxesInRow(session(), row));
        return most;
    }
    int rowCount() const override { return isValid() ? board::rowsInPlay(session()) : 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}
};

// The header of a word's row: which word, and how long.
class RowHeader : public BoardPart {
public:
    RowHeader(const BoardInterface* board, int row, int) : BoardPart(board), row_(row) {}
    bool isValid() const override { return board_->isValid() && row_ <= board::rowsInPlay(session()); }
    QAccessibleInterface* parent() const override { return board_->table(); }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid()) return {};
        return toUnicode(form2text::wordRowName(row_, static_cast<size_t>(board::boxesInRow(session(), row_))));
    }
    QRect rect() const override { return isValid() ? leadingEdge(board_->cell(row_, 1)->rect()) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::RowHeader; }

private:
    int row_;
};

// A box: named by the letter it shows, or as empty. The box a carried letter
// would drop into has the focus.
class BoxCell : public BoardPart, public QAccessibleTableCellInterface {
public:
    BoxCell(const BoardInterface* board, int row, int column) : BoardPart(board), row_(row), column_(column) {}
    bool isValid() const override
    {
        return board_->isValid() && row_ <= board::rowsInPlay(session()) &&
               column_ <= board::boxesInRow(session(), row_);
    }
    QAccessibleInterface* parent() const override { return board_->table(); }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return letterName(boxLetter(session(), row_, column_));
        if (t == QAccessible::Description) return toUnicode(form2text::boxPlace(row_, column_));
        return {};
    }
    // The drawn box, down to the next row's, where a press still lands on
    // it: below the score label's middle, so a review by lines keeps the
    // first row and the label apart.
    QRect rect() const override
    {
        const Point p = board::boxPoint(session(), row_, column_, board_->boardWidth());
        Box b = board::outlineBox(p);
        b.bottom = p.y - 12;
        return board_->onScreen(b);
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State st;
        st.readOnly = true; // letters come by the keys, not by editing
        if (!isValid()) return st;
        st.focusable = board::boxEmpty(session(), Cell{row_, column_});
        st.focused = board_->cursor() == Cell{row_, column_};
        return st;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {board_->header(row_)}; }
    int columnIndex() const override { return column_ - 1; }
    int rowIndex() const override { return row_ - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return board_->table(); }

private:
    int row_, column_;
};

// What the game says as it goes: a status bar that is never shown, holding
// the message last told. A reader speaks a status bar's notification as it
// comes, whatever has the focus, without naming its kind.
class SaidBar : public BoardPart {
public:
    SaidBar(const BoardInterface* board, int, int) : BoardPart(board) {}
    bool isValid() const override { return board_->isValid(); }
    QAccessibleInterface* parent() const override { return const_cast<BoardInterface*>(board_); }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int i) const override { return i == 0 ? board_->note() : nullptr; }
    int indexOfChild(const QAccessibleInterface* c) const override { return c == board_->note() ? 0 : -1; }
    QString text(QAccessible::Text) const override { return {}; }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override
    {
        QAccessible::State st;
        st.invisible = true; // a review of the screen passes it by
        return st;
    }
};

class SaidNote : public BoardPart {
public:
    SaidNote(const BoardInterface* board, int, int) : BoardPart(board) {}
    bool isValid() const override { return board_->isValid(); }
    QAccessibleInterface* parent() const override { return board_->bar(); }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? board_->said() : QString(); }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
};

} // namespace

enum class PartKind { Pool, PoolLabel, Table, Slot, Header, Box, Bar, Note };

QAccessibleInterface* BoardInterface::pool() const
{
    return part<PoolGroup>(PartKind::Pool, 0, 0);
}
QAccessibleInterface* BoardInterface::poolLabel() const
{
    return part<PoolLabel>(PartKind::PoolLabel, 0, 0);
}
QAccessibleInterface* BoardInterface::table() const
{
    return part<WordTable>(PartKind::Table, 0, 0);
}
QAccessibleInterface* BoardInterface::slot(int s) const
{
    return part<SlotButton>(PartKind::Slot, s, 0);
}
QAccessibleInterface* BoardInterface::header(int row) const
{
    return part<RowHeader>(PartKind::Header, row, 0);
}
QAccessibleInterface* BoardInterface::cell(int row, int column) const
{
    return part<BoxCell>(PartKind::Box, row, column);
}
QAccessibleInterface* BoardInterface::bar() const
{
    return part<SaidBar>(PartKind::Bar, 0, 0);
}
QAccessibleInterface* BoardInterface::note() const
{
    return part<SaidNote>(PartKind::Note, 0, 0);
}

} // namespace boardaccess

using namespace boardaccess;

namespace {

Heard hear(const BoardReading& r)
{
    const Session& s = r.session;
    Heard h;
    h.made = true;
    h.deal = s.PoolLetters;
    h.status = statusOf(r);
    for (int slot = 1; slot <= slotCount(s); ++slot) h.pool += slotLetter(s, slot);
    for (int row = 1; row <= board::rowsInPlay(s); ++row) {
        h.deal += '|' + s.Words[static_cast<size_t>(row)];
        std::string shown;
        for (int column = 1; column <= board::boxesInRow(s, row); ++column) shown += boxLetter(s, row, column);
        h.boxes.push_back(shown);
    }
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

BoardRequests* makeBoardAccessible(BoardCanvas& board, BoardReading reading)
{
    QAccessible::installFactory(boardFactory); // Qt keeps one of each
    return new BoardLink(board, std::move(reading));
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
    // The focus stays on the board: the moves are told, not read from a box
    // that would take the table and its row along.
    link->heard = now;
}

namespace {

// A screen reader hears the board.
BoardLink* listened(BoardCanvas& board)
{
    return QAccessible::isActive() ? linkOf(&board) : nullptr;
}

// A board still to be told, after `ms`: after the events of the focus coming
// in, which a reader speaks first.
void tellAfter(BoardCanvas& board, int ms)
{
    QTimer::singleShot(ms, linkOf(&board), [&board] {
        if (linkOf(&board)->tellDue) tellBoard(board);
    });
}

// How long a board dealt outside the focus waits for the window to be
// activated; without a window manager none activates it.
constexpr int FocusWaitMs = 700;

} // namespace

bool BoardLink::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::FocusIn && tellDue) tellAfter(*static_cast<BoardCanvas*>(watched), 0);
    return false;
}

void sayOnBoard(BoardCanvas& board, const std::string& text)
{
    BoardLink* link = listened(board);
    if (!link) return;
    link->said = toUnicode(text);
    auto* iface = dynamic_cast<BoardInterface*>(QAccessible::queryAccessibleInterface(&board));
    if (!iface) return;
    // A reader that keeps names fetches this one anew, then speaks it.
    announce(iface->note(), QAccessible::NameChanged);
    announce(iface->note(), QAccessible::ObjectShow);
}

void tellBoardDealt(BoardCanvas& board)
{
    if (!listened(board)) return;
    linkOf(&board)->tellDue = true;
    tellAfter(board, board.hasFocus() && board.isActiveWindow() ? 0 : FocusWaitMs);
}

void tellBoard(BoardCanvas& board)
{
    BoardLink* link = listened(board);
    if (!link) return;
    link->tellDue = false;
    const Heard h = hear(link->reading);
    const Session& s = link->reading.session;
    sayOnBoard(board, form2text::boardTold(s.GenreNames[s.genreSlot()], h.boxes, h.pool, s.Score));
}

void tellPool(BoardCanvas& board)
{
    BoardLink* link = listened(board);
    if (!link) return;
    sayOnBoard(board, form2text::poolTold(hear(link->reading).pool));
}
