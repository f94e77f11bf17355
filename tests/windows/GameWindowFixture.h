// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A game window on the offscreen platform with scripted random numbers and
// clock, a word list in memory and generated genre pictures.

#include "doubles/Doubles.h"
#include "game/Board.h"
#include "gamewindow/BoardCanvas.h"
#include "gamewindow/Form2.h"
#include "ui/BoardColours.h"
#include "ui/Look.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// The board's colours, by what each paints (the game's own are pinned in ClassicNumbers).
inline const QColor BoardBackground = boardColour(BoardRole::Background), PoolFill = boardColour(BoardRole::PoolFill),
                    PoolOutline = boardColour(BoardRole::PoolOutline),
                    EmptyBoxFill = boardColour(BoardRole::EmptyBoxFill),
                    EmptyBoxOutline = boardColour(BoardRole::EmptyBoxOutline),
                    ShownBoxFill = boardColour(BoardRole::ShownBoxFill),
                    ShownBoxOutline = boardColour(BoardRole::ShownBoxOutline),
                    PlacedBar = boardColour(BoardRole::PlacedBar), PlacedFill = boardColour(BoardRole::PlacedFill),
                    PlacedOutline = boardColour(BoardRole::PlacedOutline);

// A word-list file: each section a header line (byte 16 + name) and its words.
std::string wordList(std::initializer_list<std::pair<std::string, std::vector<std::string>>> sections);

// A generated stand-in for a genre picture: a coloured frame and a disc.
QImage fakePicture(int width, int height, QColor colour);

// The draw that picks entry idx of a section of count entries.
double pick(int idx, int count);

// Saves the window as a PNG in the snapshot folder.
void saveSnapshot(QWidget* w, const QString& name);

class GameWindow : public ::testing::Test {
protected:
    FakePlatform fp;
    Session s;
    RecordsTable records;
    QPointer<Form2> form;

    void SetUp() override;
    void TearDown() override;

    // Opens the window as the launcher does and waits for the first deal;
    // with another platform when given (say, with a real random generator).
    void open(Platform* platform = nullptr);
    // Opens it with fp's platform but a real random generator.
    void openWithRealRandom(uint64_t seed = 12345, Pictures* pictures = nullptr);
    std::optional<MixingRandom> realRandom;
    std::optional<Platform> realPlatform;
    int unloadedSignals = 0;

    // A board of two rows: GATTO with A and the first T shown, CANE with C
    // shown; pool "G T O ANE" (slots 1-9).
    void scriptCatAndDog();

    // A window that closed under the test fails it rather than crashing the
    // program (on a screen too small for the words the game closes itself).
    QWidget* client() const
    {
        if (!form) throw std::runtime_error("the game window has closed");
        return form->clientArea();
    }
    Form2* game() const
    {
        if (!form) throw std::runtime_error("the game window has closed");
        return form;
    }
    QColor pixel(int x, int y) const { return form->boardImage().pixelColor(x, y); }

    // Mouse events go through the window, as the system delivers them: to the
    // widget under the pointer, and from a press to its release to the
    // pressed widget. Points are in client-area pixels.
    QPoint inWindow(QPoint clientPoint) const { return client()->mapTo(form, clientPoint); }
    void press(QPoint at, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {})
    {
        QTest::mousePress(form->windowHandle(), b, m, inWindow(at));
    }
    void moveTo(QPoint at) { QTest::mouseMove(form->windowHandle(), inWindow(at)); }
    void release(QPoint at, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mouseRelease(form->windowHandle(), b, {}, inWindow(at));
    }
    // Carries the letter of pool slot `slot` to box (row, column).
    void carry(int slot, int row, int column, Qt::MouseButton b = Qt::LeftButton);
    // What this many right letters score from nothing at the session's help
    // percentage, as the rules count them.
    int32_t pointsFor(int letters) const;
    // A point inside pool slot s and inside target box (row, column).
    static QPoint inSlot(int s);
    QPoint inBox(int row, int column) const;

    // A board of three rows and 23 pool slots without help letters:
    // ELEFANTE, CAMMELLO, GIRAFFA, the pool in that order.
    void scriptZoo();

    // Opens the window on a round of this one word of "Animali", without
    // help letters, its pool in the word's order.
    void openWithTheWord(const std::string& word);
    // The last letter of that word, carried by the mouse into its last box,
    // is placed and drawn there, with no message.
    void placeTheLastLetterByMouse();
    // At height y, a line of boxes whose outlines run from left to right:
    // outline at both ends, background just before the first.
    void expectOutlinedLine(int y, int left, int right) const;

    // Some pixel of this rectangle of the board is ink (a printed letter).
    bool hasInk(QRect r) const;
    // The cell around p shows a letter that stays inside its box.
    bool inkInsideBox(Point p) const;

    // Lets the widget machinery run, and deleted windows go.
    static void settle();
};
