// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// How the game window is put together: its menu, the board with its keys, the
// controls on the board and the clock, in named steps.
#include "gamewindow/Form2.h"

#include "desktop/Text.h"
#include "game/Play.h"
#include "gamewindow/BoardAccessible.h"
#include "gamewindow/BoardKeys.h"
#include "gamewindow/DragTile.h"
#include "gamewindow/FirstDeal.h"
#include "gamewindow/Form2Text.h"
#include "gamewindow/GameMenu.h"
#include "gamewindow/LineRows.h"
#include "gamewindow/PictureBox.h"
#include "ui/Colours.h"
#include "ui/Fonts.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>

namespace {

QLabel* makeLabel(QWidget* parent, QRect geometry, QColor background, const QFont& font)
{
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setAutoFillBackground(true);
    setColours(label, {{QPalette::Window, background}, {QPalette::WindowText, Qt::black}});
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

} // namespace

Form2::Form2(Session& session, Platform& platform, RecordsTable& records, QWidget* parent)
    : QMainWindow(parent), session_(session), platform_(platform),
      records_(records), dealer_{platform.files, platform.random, platform.clock, {}}
{
    setAttribute(Qt::WA_DeleteOnClose);
    installGameMenu(*this, menuCommands(), session, platform);
    createBoard();
    createKeys();
    // Stacked on the board in this order: the records list and the tile lie over the labels.
    createGenreControls();
    createRecordsList();
    createDragTile();
    createClock();
    firstDeal_ = new FirstDeal(
        this, [this] { return !unloaded_ && !session_.inPlay(); }, [this] { firstDeal(); });
}

GameCommands Form2::menuCommands()
{
    return {[this] { Records_Click(); }, [this] { Indietro_Click(); }, [this] { Nome_Click(); },
            [this] { Difficolt_Click(); }};
}

void Form2::createBoard()
{
    board_ = new BoardCanvas(this);
    setCentralWidget(board_);
    board_->onPress = [this](QMouseEvent* e) {
        Form_MouseDown(e->button(), e->modifiers(), e->position().x(), e->position().y());
    };
    board_->onMove = [this](QMouseEvent* e) {
        Form_MouseMove(e->buttons(), e->modifiers(), e->position().x(), e->position().y());
    };
    board_->onRelease = [this](QMouseEvent* e) {
        Form_MouseUp(e->button(), e->modifiers(), e->position().x(), e->position().y());
    };
}

void Form2::createKeys()
{
    BoardActions actions{[this](Point at) { Form_MouseDown(Qt::LeftButton, {}, at.x, at.y); },
                         [this](Point at) { Form_MouseMove(Qt::NoButton, {}, at.x, at.y); },
                         [this](Point at) { Form_MouseUp(Qt::LeftButton, {}, at.x, at.y); },
                         [this] {
                             if (List->isVisible()) List_Click();
                         }};
    keys_ = std::make_unique<BoardKeys>(std::move(actions), *board_, session_, platform_.sound);
    board_->onKey = [this](QKeyEvent* e) { return keys_->keyPress(e); };
    // The focus is on the marked box while it is marked: a release ends it.
    makeBoardAccessible(*board_, {session_, [this] { return board_->markedFrame() ? keys_->cursor() : Cell{}; },
                                  [this](int slot) { keys_->takeSlot(slot); }});
    // The board takes the keys: letters, arrows, Tab, Enter, Space, Escape.
    board_->setFocusPolicy(Qt::StrongFocus);
    board_->setFocus();
}

void Form2::createGenreControls()
{
    Picture1 = new PictureBox(board_);
    Picture1->setGeometry(0, 0, 105, 97);
    Picture1->setFont(gameFont("MS Sans Serif", 8.25, true));
    Picture1->setAttribute(Qt::WA_NoMousePropagation);
    Picture1->onPress = [this](QMouseEvent* e) {
        Picture1_MouseDown(e->button(), e->modifiers(), e->position().x(), e->position().y());
    };

    Label1 = makeLabel(board_, {104, 0, 153, 57}, QColor(255, 128, 128), gameFont("Tahoma", 18, true));
    Label2 = makeLabel(board_, {104, 56, 153, 21}, Qt::white, gameFont("Tahoma", 8.25, true));
    Label3 = makeLabel(board_, {104, 76, 153, 21}, QColor(0, 192, 0), gameFont("Tahoma", 12, true));
    Label3->setText(toUnicode(play::scoreCaption(0)));
}

void Form2::createRecordsList()
{
    List = new QListWidget(board_);
    List->setGeometry(88, 96, 335, 202);
    setColours(List, {{QPalette::Base, QColor(255, 255, 0)}, {QPalette::Text, QColor(0, 0, 192)}});
    List->setFont(gameFont("Courier New", 12, true));
    List->setItemDelegate(new LineRows(List));
    List->setUniformItemSizes(true);
    List->setAttribute(Qt::WA_NoMousePropagation);
    List->viewport()->setAttribute(Qt::WA_NoMousePropagation);
    List->viewport()->installEventFilter(this);
    List->setFocusPolicy(Qt::NoFocus); // shown, never typed into: keys stay on the board
    List->setAccessibleName(toUnicode(form2text::Records));
    List->hide();
}

void Form2::createDragTile()
{
    Picture2 = new DragTile(board_);
    Picture2->setGeometry(56, 112, 22, 37);
    Picture2->hide();
}

void Form2::createClock()
{
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
    Timer1->start();
}
