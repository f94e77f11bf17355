// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The game window: the board, the clock, dragging, placement and the end of a
// game. Each game gets a fresh window; it deletes itself when unloaded. The
// rules decide (game/Deal.h, game/Play.h, records/); the window turns Qt's
// events into the game's handlers and draws the board from the session.

#include "desktop/Platform.h"
#include "game/Deal.h"
#include "game/Play.h"
#include "gamewindow/BoardCanvas.h"
#include "records/GameJournal.h"
#include "records/RecordsTable.h"
#include "session/Session.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>
#include <optional>

class BoardKeys;
class BoardRequests;
class DragTile;
class FirstDeal;
class PictureBox;
class QKeyEvent;
class QLabel;
class QListWidget;

// The modifier keys that, held during a press on the genre picture, print the
// words of the board.
inline constexpr Qt::KeyboardModifiers RevealModifiers = Qt::ControlModifier | Qt::ShiftModifier;
// The records list's height: its frame and a row for the title and each
// record kept.
inline constexpr int RecordsListFrame = 4, RecordsListRow = 18;
inline constexpr int RecordsListHeight = RecordsListFrame + (1 + RecordsKept) * RecordsListRow;

class Form2 : public QMainWindow {
    Q_OBJECT
public:
    Form2(Session& session, Platform& platform, RecordsTable& records, QWidget* parent = nullptr);
    ~Form2() override;

    // Sizes, maximizes and shows the window; the first round is dealt once.
    void Form_Load();

    // Commands of the menu bar.
    void ShowRecords();     // shows the records table
    void Indietro_Click();  // ends the game: records, end message, unload
    void Nome_Click();      // asks the player's name
    void Difficolt_Click(); // asks the help percentage

    // The desktop session ends, or the program is told to stop: the game
    // ends as Indietro ends it, its score entered into the records and
    // saved, but no message waits for a player who may be gone.
    void endUnattended();
    // The program ends at once, the game unrecorded ("Fine"): its journal goes.
    void dropJournal() { journal_.drop(); }

    // Event handlers, under the names the game has always used. Coordinates
    // are pixels of the client area.
    void Form_Resize();   // deals a round while the deal gate is open
    void Form_Activate(); // closes the deal gate
    void Form_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void Form_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, double x, double y);
    void Form_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void Picture1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void Timer1_Timer();
    // F7 and F8: the score and the clock, the pool's letters, told to a
    // screen reader; nothing else sees them.
    bool tellOnRequest(QKeyEvent* e);
    void List_Click();

    // The same moves by cell, as the keys and a screen reader make them:
    // take the letter of pool slot `slot`, hold it over box `box`, let it go
    // on `box` (row 0: back to the pool). The mouse's handlers turn their
    // point into a cell and come here too.
    void takeSlot(int slot);
    void carryOver(Cell box);
    void dropOn(Cell box);

    // The controls, named as the game names them (docs/architecture.md has
    // the table of what each is).
    PictureBox* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    DragTile* Picture2 = nullptr;
    QListWidget* List = nullptr;
    QTimer* Timer1 = nullptr;

    // The client area, which takes the mouse, and what is drawn on it.
    BoardCanvas* clientArea() const { return board_; }
    BoardKeys& keys() const { return *keys_; }
    const QImage& boardImage() const { return board_->image(); }
    int ScaleWidth() const { return board_->width(); }
    // The first round has been dealt.
    bool firstDealDone() const;

signals:
    // The window has been unloaded; the launcher is in front again.
    void unloaded();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void fitRestoredWindow(); // its frame inside the screen

    // The steps of building the window.
    void createMenu(); // the menu bar: GameMenu.cpp
    void createBoard();
    void createKeys();
    void createGenreControls();
    void createRecordsList();
    void createDragTile();
    void createClock();
    void connectControls(); // what the controls tell the window

    void Form_Unload();
    // The game is over: nothing more is dealt. False when it already was.
    bool stopGame();
    // The last message, then the window goes and the launcher is in front.
    // A screen reader reads `spoken` with the message.
    void leave(const std::string& message, const std::string& title, const std::string& spoken = {});
    void withdraw(); // the clock stopped, the window hidden, the launcher told
    void UpdateRecords();
    void fillList(const RecordLines& lines);
    // While a screen reader listens, the shown list is read and takes the keys.
    void readRecordsAloud();
    bool listKey(QKeyEvent* e);

    void firstDeal();
    void showGenre();
    void drawDeal();
    void closeWithoutGame(const std::string& message);
    // What a press shows; (x, y) is where it happened, for the text position.
    void pressed(play::Press p, double x, double y);
    void hoverTile(double x, double y);
    void dropCarried(Cell box);
    void completeRound();
    void endOfDrag();
    void showScore();

    Session& session_;
    Platform& platform_;
    RecordsTable& records_;
    Dealer dealer_;
    BoardCanvas* board_ = nullptr;
    std::unique_ptr<BoardKeys> keys_;
    BoardRequests* reader_ = nullptr; // a screen reader's requests, with the board
    FirstDeal* firstDeal_ = nullptr;
    bool unloaded_ = false;
    RecordLines listed_; // what the records list shows
    int roundsDealt_ = 0;
    std::optional<QImage> genrePicture_; // as first read, null when it could not be
    GameJournal journal_;                // the score so far, for an ending the game never sees
};
