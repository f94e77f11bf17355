// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The launcher on the offscreen platform with doubles for the system, the
// shipped word list in memory and stand-in genre pictures. Games are opened
// through real clicks on the tiles.

#include "about/Form3.h"
#include "doubles/Doubles.h"
#include "gamewindow/Form2.h"
#include "launcher/Form1.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

void saveSnapshot(QWidget* w, const QString& name);

class Launcher : public ::testing::Test {
protected:
    FakePlatform fp;
    Session s;
    RecordsTable records;
    std::unique_ptr<Form1> launcher;

    void SetUp() override;
    void TearDown() override;

    // Loads and shows the launcher and waits until it is the active window.
    void open();
    // Clicks tile t and waits for the game window's first deal.
    Form2* startGame(int t);
    // Waits until the game window has gone and the launcher is in front.
    void waitGameGone();
    // The about box that is open, or null.
    static Form3* aboutBox();
    // The pointer shape the program asked for last.
    PointerShape pointer() const { return fp.pointer.shape; }

    // Moves the mouse over a point of a widget, through its window as the
    // window system would.
    static void moveOver(QWidget* w, QPoint pos);
    static void settle();
    // Saves the window as a PNG in the snapshot folder (GameWindowFixture.cpp).
    static void snapshot(QWidget* w, const QString& name) { saveSnapshot(w, name); }
    // The genre pictures shipped in the data folder, for snapshots.
    void useShippedPictures();
    // A stand-in for a genre picture, smaller than a tile.
    static QImage standInPicture(int t, QSize size = {60, 50});
};
