#pragma once
// Small widgets of the game window: the picture box of the genre and the
// drag tile. The board itself is game/BoardCanvas.h.

#include <QImage>
#include <QWidget>

#include <functional>

class QMouseEvent;

// A picture shown at its own size from the top-left corner, not stretched.
class PictureBox : public QWidget {
public:
    explicit PictureBox(QWidget* parent = nullptr);
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    std::function<void(QMouseEvent*)> onPress;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    QImage picture_;
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
