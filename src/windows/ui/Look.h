// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// How the windows look and where they stand: the classic sixteen colours,
// the game's fonts, the pictures compiled in, twips, placement on the
// screen, and pictures drawn for the screen's density.

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

// The classic sixteen colours, addressed by index 0..15.

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb Palette[16] = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                                    {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                                    {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                                    {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};

inline QColor paletteColour(int index)
{
    const Rgb c = Palette[index];
    return {c.r, c.g, c.b};
}

// The colours the game's windows are drawn in whatever the desktop's theme:
// every role in every state, as Qt's Fusion style has them on a desktop with
// no theme (Qt 6.4's). The windows (and their menus) take it whole, so a dark or
// high-contrast theme changes nothing of them; the desktop's message and
// input boxes go on following the theme.
QPalette gamePalette();

// Gives the widget these colours, each for its role, over those of the window
// it lies in (a window over the game's palette, never the desktop's).
inline void setColours(QWidget* widget, std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colours)
{
    QWidget* parent = widget->parentWidget();
    QPalette pal = widget->isWindow() || !parent ? gamePalette() : parent->palette();
    for (const auto& [role, colour] : colours) pal.setColor(role, colour);
    widget->setPalette(pal);
}

// Some desktops restyle programs with an application style sheet, which
// would override any palette: each widget of the launcher is
// given a sheet of its own that restates its colours and asks for no
// background of the sheet's, so the window is drawn as without one. Called
// once the window's widgets are made.
void keepColoursUnderStyleSheets(QWidget& window);

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

// The windows were laid out in twips; at 96 dots per inch 15 twips make a pixel.

constexpr int TwipsPerPixel = 15;
constexpr int px(int twips)
{
    return twips / TwipsPerPixel;
}
inline QRect twipRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// Where windows stand: centred on the screen when they load, on their outer
// size (the frame included), and in front of the others.

inline void centreOnScreen(QWidget& window, QScreen* screen)
{
    if (!screen) return;
    // The frame's size is known only once the window exists on the desktop;
    // before, the frame would count as nothing.
    window.winId();
    const QRect area = screen->geometry();
    const QSize outer = window.frameGeometry().size();
    window.move(area.x() + static_cast<int>(std::lround((area.width() - outer.width()) / 2.0)),
                area.y() + static_cast<int>(std::lround((area.height() - outer.height()) / 2.0)));
}

// The same, and again once the window manager has framed the window, which
// may come after it shows (a frame not known yet counts as nothing): while
// its frame's size is still new, within seconds of the showing, so a
// window the player has moved since stays where it was put.
void centreOnScreenOnceFramed(QWidget& window, QScreen* screen);

// The window shown over the others, with the focus.
inline void bringToFront(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

// A child shown over its siblings.
inline void showInFront(QWidget& child)
{
    child.show();
    child.raise();
}

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

// Gives the label the place `place`, widened as far as its whole text
// needs: about its centre for a centred label, else to the right first; it
// stays within a window this wide. Set the text and font first.
void placeWhole(QLabel& label, QRect place, int windowWidth);

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
