// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// How the windows look: the game's fonts, the pictures compiled in, pictures
// drawn for the screen's density and the controls that report clicks. The
// colours are in Colours.h (the board's, by role, in BoardColours.h), twips
// and placement in Geometry.h.

#include "ui/Colours.h"
#include "ui/Geometry.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QRect>
#include <QScreen>
#include <QString>
#include <QWidget>

#include <cmath>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <utility>

// The faces the game's windows name are mapped to metric-compatible ones:
// Liberation Mono for "Courier New", Liberation Sans for "Arial", "Tahoma"
// and "MS Sans Serif". Call once after the application object exists.
void installFontSubstitutions();

// A font of the given face and point size, sized in pixels (points x 96 / 72)
// so the pixel layout holds at any screen resolution.
QFont gameFont(const QString& family, double points, bool bold, bool underline = false);

// The pictures compiled into the program (drawn by tools/make_artwork).

namespace Artwork {
QIcon windowIcon();   // 32 x 32
QPixmap hand();       // 32 x 32 monochrome, index finger up
QCursor handCursor(); // the hand with its hot spot on the fingertip (12, 6)
QPixmap emblem();     // 90 x 114, two overlapping letter cards
QPixmap flag();       // 60 x 47, the tricolour waving, transparent around
} // namespace Artwork

// A picture drawn for the device pixel ratio of the screen it shows on, and
// drawn anew when its window moves to a screen of another density (or the
// screen's scale changes), so that it stays as sharp there as it was.

class RatioPicture {
public:
    // Draws the picture for a ratio; a null image when it cannot.
    using Draw = std::function<QImage(double ratio)>;

    RatioPicture() = default;
    RatioPicture(QImage first, Draw again) : image_(std::move(first)), again_(std::move(again)) {}

    const QImage& image() const { return image_; }

    // The picture for a screen of this ratio. One that cannot be drawn anew
    // stays as it was (Qt enlarges or shrinks it), and is not tried again.
    const QImage& at(double ratio)
    {
        if (again_ && !image_.isNull() && image_.devicePixelRatio() != ratio) {
            QImage drawn = again_(ratio);
            if (drawn.isNull()) again_ = nullptr;
            else image_ = std::move(drawn);
        }
        return image_;
    }

private:
    QImage image_;
    Draw again_;
};

// A control that reports clicks and every mouse move over it, for the web
// address labels and the genre tiles. A click is a left press and a left
// release on the control itself, as a button counts it.
template <typename Base> class ClickReporter : public Base {
public:
    using Base::Base;

protected:
    virtual void clickedOn() = 0;
    virtual void movedOver() = 0;

    void mouseMoveEvent(QMouseEvent* e) override
    {
        movedOver();
        e->accept();
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        pressed_ = e->button() == Qt::LeftButton;
        e->accept();
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        e->accept();
        const bool click = pressed_ && e->button() == Qt::LeftButton && this->rect().contains(e->position().toPoint());
        pressed_ = false;
        if (click) clickedOn();
    }

private:
    bool pressed_ = false;
};

// A label that reports clicks and every mouse move over it, for the web
// address labels of the launcher and of the about box.
class LinkLabel : public ClickReporter<QLabel> {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();
    void mouseMoved();

private:
    void clickedOn() override { emit clicked(); }
    void movedOver() override { emit mouseMoved(); }
};
