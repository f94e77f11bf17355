#pragma once
// One genre tile of the launcher (`pittura(t)`): a sunken picture box with the
// genre's colour behind its picture. Reports clicks and every mouse move;
// Enter or Space on it is a click too. With the focus it shows a frame just
// outside itself, which the launcher paints (paintFocusFrame).

#include "ui/ClickTracker.h"
#include <QImage>
#include <QWidget>

class QPainter;

class GenreTile : public QWidget {
    Q_OBJECT
public:
    GenreTile(int16_t index, QWidget* parent = nullptr);
    int16_t index() const { return index_; }
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    void setBackground(const QColor& colour);
    // The focus frame, in the parent's coordinates.
    QRect focusFrameRect() const;
    void paintFocusFrame(QPainter& p) const;

signals:
    void clicked(int16_t index);
    void mouseMoved(int16_t index);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    int16_t index_;
    QImage picture_;
    QColor background_;
    ClickTracker clicks_;
};
