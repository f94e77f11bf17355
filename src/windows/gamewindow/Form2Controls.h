// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Small widgets of the game window: the picture box of the genre, the drag
// tile and the rows of the records list. The board itself is
// game/BoardCanvas.h.

#include "ui/RatioPicture.h"

#include <QImage>
#include <QStyledItemDelegate>
#include <QWidget>

#include <functional>

class QMouseEvent;

// A picture shown at its own size from the top-left corner, not stretched.
class PictureBox : public QWidget {
public:
    explicit PictureBox(QWidget* parent = nullptr);
    // The picture for the screen it opens on, and how to draw it for another.
    void setPicture(const QImage& picture, RatioPicture::Draw again = {});
    const QImage& picture() const { return picture_.image(); }

    std::function<void(QMouseEvent*)> onPress;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    RatioPicture picture_;
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

// Rows of a list as high as its font's line, no more, as a list box draws
// them: the records list then shows its title and ten lines whole.
class LineRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
