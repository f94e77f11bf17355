#pragma once
// The widgets the game window is built from: its client area with the drawing
// that persists, the picture box of the genre and the drag tile.

#include <QImage>
#include <QWidget>

#include <functional>

class QMouseEvent;

// The client area of the game window. What is drawn on the board goes into an
// image the size of the area, so it survives dialogs and the drag tile.
class ClientArea : public QWidget {
public:
    explicit ClientArea(QWidget* parent = nullptr);

    QImage& canvas() { return canvas_; }
    const QImage& canvas() const { return canvas_; }
    // Makes sure the image covers the whole area, keeping what is drawn.
    void growCanvas();

    std::function<void(QMouseEvent*)> onPress, onMove, onRelease;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    QImage canvas_;
};

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
