// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "ui/Look.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <cstdint>

// One genre tile of the launcher (`pittura(t)`): a sunken picture box with the
// genre's colour behind its picture. Reports clicks and every mouse move;
// Enter or Space on it is a click too. With the focus it shows a frame just
// outside itself.

class GenreTile : public ClickReporter<QWidget> {
    Q_OBJECT
public:
    GenreTile(int16_t index, QWidget* parent = nullptr);
    int16_t index() const { return index_; }
    // The picture for the screen it opens on, and how to draw it for another.
    void setPicture(const QImage& picture, RatioPicture::Draw again = {});
    const QImage& picture() const { return picture_.image(); }
    // The room for the picture inside the border, where a larger one is shrunk to fit.
    QSize pictureRoom() const;
    void setBackground(const QColor& colour);

signals:
    void clicked(int16_t index);
    void mouseMoved(int16_t index);

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void clickedOn() override { emit clicked(index_); }
    void movedOver() override { emit mouseMoved(index_); }
    // The focus frame follows the tile.
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void placeFocusFrame();

    int16_t index_;
    RatioPicture picture_;
    QColor background_;
    QWidget* focusFrame_ = nullptr; // beside the tile, beneath it, in the launcher
};
