// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The board: the game window's client area. What is drawn on it is kept as
// the picture and the list of every cell and letter drawn since, and painted
// from them, so it survives dialogs and the drag tile, and stays where the
// deal drew it when the window changes size. Painting draws for every pixel
// of the screen (on a high-density screen several to each of the board's),
// while every board coordinate stays in the board's own pixels. No image of
// the whole area is kept: on a screen of 7680 x 4320 one would take 130 MB,
// where the list takes a few kilobytes. Cells are drawn around
// their reference points (game/Board.h); letters are printed at a
// text position that moves on as it prints. Beside it, the two little
// widgets that lie on it: the drag tile and the genre picture.

#include "game/Board.h"
#include "session/Session.h"
#include "ui/BoardColours.h"
#include "ui/Look.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

class QMouseEvent;

class BoardCanvas : public QWidget {
    // Named for the factory of its accessible objects.
    Q_OBJECT
public:
    explicit BoardCanvas(QWidget* parent = nullptr);

    // The board as painted, in screen pixels; its devicePixelRatio maps them
    // onto the board's. Made when asked for (the window itself never asks).
    const QImage& image() const;
    // Makes the drawn area cover the whole client area, keeping what is
    // drawn. Done before each drawing rather than at each size change, so
    // that what lies past the edge of the area a round was drawn in stays
    // cut off there when the window grows.
    void growImage();
    // The board for a screen of this device pixel ratio, as it stands: the
    // picture drawn for that ratio, then every cell and letter in the order
    // they came. Painting does it when the screen's ratio changes.
    void redrawAt(double ratio);

    // The genre picture at the top-left corner, at its own size, on white:
    // everything drawn before is gone. `again` draws it for another ratio.
    void showPicture(const QImage& picture, RatioPicture::Draw again = {});
    // Pool slot s (1-based) as a yellow tile with its letter; a blank prints
    // nothing visible. Letters from here on are printed in the board's ink.
    void drawPoolSlot(int slot, char letter);
    // The tile of a pool slot whose letter has been placed.
    void drawEmptyPoolSlot(int slot);
    // One row of boxes per word, at the right edge of the area as wide as it
    // is now; help letters show in their cyan boxes.
    void drawTargetRows(const Session& s);
    // A letter the player put into box (row, column), with the bar under it.
    void drawPlacedLetter(const Session& s, int row, int column, char letter);
    // Prints the text at the text position and moves it to the next line.
    void printLine(const std::string& text) { print(text, true); }
    void setTextPosition(double x, double y);

    // The cursor box of keyboard play, around the box at reference point p.
    // It is drawn over the image, never into it, so it leaves no trace.
    void markBox(Point p);
    void unmarkBox();
    std::optional<Box> markedFrame() const { return mark_; }

signals:
    // The mouse on the board, at a point of its pixels. Keys do not come
    // here: the keyboard play filters them (BoardKeys).
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at);
    void moved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF at);
    void released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    // What the board's image is made of after its picture: filled rectangles
    // and, when there is text, letters in the board's font.
    struct Stroke {
        QRect box;
        QColor colour;
        QPointF at = {};
        QString text = {};
    };
    void draw(std::initializer_list<Stroke> strokes);
    void paint(QPainter& p, const Stroke& s) const;
    // The picture and the strokes that fall in this part of the board.
    void paintBoard(QPainter& p, const QRect& area) const;

    void fillBox(const Box& b, QColor colour);
    void outlineBox(const Box& b, QColor colour);
    void drawCell(Point p, BoardRole fill, BoardRole outline);
    // Prints at the text position and moves it on: past the text, or to the
    // start of the next line.
    void print(const std::string& text, bool lineBreak);

    QSize drawnArea_;              // what the board covers, grown to the client area at each drawing
    double ratio_ = 0;             // the device pixel ratio the board is painted for
    mutable QImage image_;         // made by image(), dropped at the next change
    mutable RatioPicture picture_; // drawn anew for another ratio when painted
    std::vector<Stroke> strokes_;  // since the picture
    QFont font_;                   // every letter on the board
    QColor foreColor_ = boardColour(BoardRole::FirstInk); // until the first pool tile sets the ink
    double CurrentX = 0, CurrentY = 0;
    std::optional<Box> mark_;
};

// The tile that follows the pointer while a letter is carried. It never takes
// the mouse: it lies right under the pointer.
class DragTile : public QWidget {
public:
    explicit DragTile(QWidget* parent = nullptr);
    // Clears the tile and prints the letter in its middle (cp1252).
    void showLetter(char letter);
    char letter() const { return letter_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    char letter_ = ' ';
};

// The game window's picture box of the genre: a picture shown at its own
// size from the top-left corner, not stretched.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    // The picture for the screen it opens on, and how to draw it for another.
    void setPicture(const QImage& picture, RatioPicture::Draw again = {});
    const QImage& picture() const { return picture_.image(); }

signals:
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    RatioPicture picture_;
};
