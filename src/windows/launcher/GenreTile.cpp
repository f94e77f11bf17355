// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "launcher/GenreTile.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

#include <utility>

namespace {
constexpr int Border = 2; // the classic sunken picture-box border
// The focus frame lies in the few pixels between a tile and its caption: a
// yellow band edged in black, which stands out from the grey window and from
// every tile colour, dark or light.
constexpr int FrameWidth = 4;

// A screen reader hears a tile as a button named after its genre, and can
// press it.
class TileAccessible : public QAccessibleWidget {
public:
    explicit TileAccessible(GenreTile* tile) : QAccessibleWidget(tile, QAccessible::Button) {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        auto* tile = static_cast<GenreTile*>(widget());
        if (action == pressAction()) emit tile->clicked(tile->index());
    }
};

// The frame around the tile with the focus, lying just outside the tile.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QColor yellow(255, 255, 0), colours[FrameWidth] = {Qt::black, yellow, yellow, Qt::black};
        for (int i = 0; i < FrameWidth; ++i) {
            const QRect r = rect().adjusted(i, i, -i, -i);
            p.fillRect(r.left(), r.top(), r.width(), 1, colours[i]);
            p.fillRect(r.left(), r.bottom(), r.width(), 1, colours[i]);
            p.fillRect(r.left(), r.top(), 1, r.height(), colours[i]);
            p.fillRect(r.right(), r.top(), 1, r.height(), colours[i]);
        }
    }
};

QAccessibleInterface* tileAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("GenreTile") && object && object->isWidgetType())
        return new TileAccessible(static_cast<GenreTile*>(object));
    return nullptr;
}
} // namespace

GenreTile::GenreTile(int16_t index, QWidget* parent) : ClickReporter<QWidget>(parent), index_(index)
{
    setMouseTracking(true);
    // A click on a tile takes the focus from the name box, so the name is
    // saved before the game starts; the tab order runs over the tiles too.
    setFocusPolicy(Qt::StrongFocus);
    QAccessible::installFactory(tileAccessible); // Qt keeps one of each
    if (parent) focusFrame_ = new FocusFrame(parent);
}

void GenreTile::setPicture(const QImage& picture, RatioPicture::Draw again)
{
    picture_ = RatioPicture(picture, std::move(again));
    update();
}

QSize GenreTile::pictureRoom() const
{
    return rect().adjusted(Border, Border, -Border, -Border).size();
}

void GenreTile::setBackground(const QColor& colour)
{
    background_ = colour;
    update();
}

void GenreTile::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect inner(QPoint(Border, Border), pictureRoom());
    p.fillRect(inner, background_);
    const QImage& picture = picture_.at(devicePixelRatioF());
    if (!picture.isNull()) {
        p.setClipRect(inner);
        QSize size = picture.deviceIndependentSize().toSize();
        // A picture larger than the box is shrunk to fit; a smaller one sits
        // in the top-left corner, as in a picture box.
        if (size.width() > inner.width() || size.height() > inner.height())
            size.scale(inner.size(), Qt::KeepAspectRatio);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(inner.topLeft(), size), picture);
        p.setClipping(false);
    }
    // Sunken 3-D border: grey and black above and left, white and light grey
    // below and right.
    const QColor dark(128, 128, 128), darker(0, 0, 0), light(255, 255, 255), lighter(192, 192, 192);
    int r = width() - 1, b = height() - 1;
    p.setPen(dark);
    p.drawLine(0, 0, r - 1, 0);
    p.drawLine(0, 0, 0, b - 1);
    p.setPen(darker);
    p.drawLine(1, 1, r - 2, 1);
    p.drawLine(1, 1, 1, b - 2);
    p.setPen(light);
    p.drawLine(0, b, r, b);
    p.drawLine(r, 0, r, b);
    p.setPen(lighter);
    p.drawLine(1, b - 1, r - 1, b - 1);
    p.drawLine(r - 1, 1, r - 1, b - 1);
}

void GenreTile::keyPressEvent(QKeyEvent* e)
{
    const bool press = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space;
    if (!press || (e->modifiers() & ~Qt::KeypadModifier)) return QWidget::keyPressEvent(e);
    e->accept();
    if (!e->isAutoRepeat()) emit clicked(index_);
}

void GenreTile::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    if (!focusFrame_) return;
    focusFrame_->stackUnder(this);
    focusFrame_->show();
}

void GenreTile::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    if (focusFrame_) focusFrame_->hide();
}

void GenreTile::moveEvent(QMoveEvent* e)
{
    QWidget::moveEvent(e);
    placeFocusFrame();
}

void GenreTile::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    placeFocusFrame();
}

void GenreTile::placeFocusFrame()
{
    if (focusFrame_) focusFrame_->setGeometry(geometry().adjusted(-FrameWidth, -FrameWidth, FrameWidth, FrameWidth));
}
