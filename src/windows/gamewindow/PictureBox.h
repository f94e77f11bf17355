// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The game window's picture box of the genre.

#include "ui/RatioPicture.h"

#include <QImage>
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
