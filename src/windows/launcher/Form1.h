// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The launcher: a tile for each genre, the player's name, help, exit and the
// maker's site. It opens first and stays open, beneath the game window, for
// the whole run.

#include "desktop/Platform.h"
#include "gamewindow/Form2.h"
#include "launcher/GenreTile.h"
#include "records/RecordsTable.h"
#include "session/Session.h"
#include "ui/Look.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <array>

class LinkLabel;
class QLabel;
class QLineEdit;
class QPushButton;

inline constexpr int NameBoxMax = 12; // characters the name box takes

class Form1 : public QWidget {
    Q_OBJECT
public:
    Form1(Session& session, Platform& platform, RecordsTable& records, QWidget* parent = nullptr);
    ~Form1() override;

    // Handlers, named as in the game.
    void Form_Load();
    void Form_Activate();
    void Form_Paint();
    void Form_MouseMove();
    void pittura_Click(int16_t Index);
    void pittura_MouseMove(int16_t Index);
    void Text1_Change();
    void Text1_LostFocus();
    void Command1_Click();
    void Command2_Click();
    void Label4_Click();
    void Label4_MouseMove();
    void ChooseGenre(int16_t index);

    // The game window of the game in progress, or null.
    Form2* gameWindow() const { return game_; }
    // The session ends: a name typed but not saved yet is saved, a failure
    // told on standard error (no one may be there to read a message).
    void keepNameUnattended();

    // Controls.
    QLabel* Label2;
    QLabel* Label5;
    std::array<GenreTile*, GenreCount> pittura{};
    std::array<QLabel*, GenreCount> Label3{};
    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command2;
    QPushButton* Command1;
    LinkLabel* Label4;
    QLabel* Picture1;

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // The steps of building the launcher.
    void createTitle(const QFont& font);
    void createGenreTiles();
    void createNameBox(const QFont& labelFont);
    void createButtons();
    void createWebLink();
    void createHandPicture();
    void nameForScreenReaders();
    void setTabOrders();

    void gameWindowGone();
    void finishClickOn(QWidget* target);
    bool nameAlreadySaved(const std::string& name);

    Session& session_;
    Platform& platform_;
    RecordsTable& records_;
    QPointer<Form2> game_;
    QObject* gameObject_ = nullptr; // compared only, never used: may be half destroyed
    bool activatedOnce_ = false;
    bool savingName_ = false;
    std::string lastFailedName_;
    bool lastSaveFailed_ = false;
    int saveMessages_ = 0;                // failed name saves told so far
    QPointer<QWidget> clickAfterMessage_; // a click the save message took
};
