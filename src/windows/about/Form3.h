// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The about box: emblem, version caption, the maker's contact line and web
// address, the flag and "Made in Italy". While it is open the game window is
// disabled; however it closes, the game window comes back enabled and in front.

#include "desktop/Platform.h"

#include <QPointer>
#include <QWidget>

#include <array>

class LinkLabel;
class QLabel;
class QPushButton;

class Form3 : public QWidget {
    Q_OBJECT
public:
    // gameWindow is the window to disable while the box is open.
    Form3(QWidget* gameWindow, Platform& platform);

    // Centres the box, disables the game window and shows the box.
    void Form_Load();
    void Command3d1_Click();
    void Form_MouseMove();
    void Command3d1_MouseMove();
    void Picture2_MouseMove();
    void Label1_MouseMove(int16_t Index);

    QLabel* Picture1;
    std::array<QLabel*, 3> Label1{}; // 0 the web address, 1 "Made in Italy", 2 the contact line
    QLabel* Picture2;
    QPushButton* Command3d1;

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // The steps of building the box.
    void createWebLink();
    void createLabels();
    void createOkButton();

    QPointer<QWidget> game_;
    Platform& platform_;
    bool closed_ = false;
};
