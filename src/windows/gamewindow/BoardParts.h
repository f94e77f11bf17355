// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The board's accessible objects, shared by the file that makes and announces
// them (BoardAccessible.cpp) and the one that holds each part (BoardParts.cpp).

#include "desktop/Text.h"
#include "game/Board.h"
#include "gamewindow/BoardCanvas.h"
#include "gamewindow/BoardReading.h"
#include "gamewindow/DragTile.h"
#include "gamewindow/Form2Text.h"
#include "gamewindow/PictureBox.h"
#include "session/Session.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace boardaccess {

// ---------------------------------------------------------------- the board as the session holds it

int slotCount(const Session& s);
// The letter pool slot s holds for the player, or 0: placed, carried, or a
// blank that never held one.
char slotLetter(const Session& s, int slot);
// The letter a box shows (help or placed), or 0.
char boxLetter(const Session& s, int row, int column);
QString letterName(char c);

// What a reader last heard of the board; a change is announced against it.
struct Heard {
    bool made = false;
    std::string deal; // the pool and the words: another round when it changes
    std::string status;
    std::string pool;               // slotLetter of each slot
    std::vector<std::string> boxes; // boxLetter of each box, row by row
    Cell focus;
};

// The window's reading of the board, kept beside it.
class BoardLink : public QObject {
public:
    BoardLink(BoardCanvas& board, BoardReading r) : QObject(&board), reading(std::move(r)) {}
    BoardReading reading;
    Heard heard;
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
        if (link_ && link_->reading.take) link_->reading.take(slot);
    }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return toUnicode(form2text::BoardName);
        if (t == QAccessible::Description) return toUnicode(form2text::boardStatus(session()));
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
    int childCount() const override { return static_cast<int>(shownWidgets().size()) + 2; }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> shown = shownWidgets();
        if (index >= 0 && index < shown.size()) return QAccessible::queryAccessibleInterface(shown[index]);
        if (index == shown.size()) return pool();
        if (index == shown.size() + 1) return table();
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        if (!c) return -1;
        const QList<QWidget*> shown = shownWidgets();
        if (c == pool()) return static_cast<int>(shown.size());
        if (c == table()) return static_cast<int>(shown.size()) + 1;
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

    // The parts, each made when first asked for and kept while the board lives.
    QAccessibleInterface* pool() const;
    QAccessibleInterface* table() const;
    QAccessibleInterface* slot(int s) const;
    QAccessibleInterface* header(int row) const;
    QAccessibleInterface* cell(int row, int column) const;

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

} // namespace boardaccess
