// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "gamewindow/BoardCanvas.h"

#include "desktop/Platform.h"
#include "ui/BoardColours.h"
#include "ui/Look.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace {

QRect rectOf(const Box& b)
{
    return QRect(QPoint(b.left, b.top), QPoint(b.right, b.bottom));
}

} // namespace

BoardCanvas::BoardCanvas(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true); // every movement counts, with or without a button
    setAttribute(Qt::WA_OpaquePaintEvent);
    font_ = gameFont("Courier New", 24, true);
    setFont(font_);
}

void BoardCanvas::growImage()
{
    if (ratio_ != devicePixelRatioF()) redrawAt(devicePixelRatioF());
    const QSize want = drawnArea_.expandedTo(size()).expandedTo(QSize(1, 1));
    if (want == drawnArea_) return;
    drawnArea_ = want;
    image_ = QImage();
}

void BoardCanvas::redrawAt(double ratio)
{
    ratio_ = ratio;
    drawnArea_ = drawnArea_.expandedTo(size()).expandedTo(QSize(1, 1));
    image_ = QImage();
    update();
}

const QImage& BoardCanvas::image() const
{
    if (image_.isNull() && ratio_ > 0) {
        QImage fresh((QSizeF(drawnArea_) * ratio_).toSize(), QImage::Format_RGB32);
        fresh.setDevicePixelRatio(ratio_);
        fresh.fill(boardColour(BoardRole::Background));
        QPainter p(&fresh);
        paintBoard(p, QRect(QPoint(0, 0), drawnArea_));
        image_ = std::move(fresh);
    }
    return image_;
}

void BoardCanvas::paintBoard(QPainter& p, const QRect& area) const
{
    p.save();
    p.setClipRect(area & QRect(QPoint(0, 0), drawnArea_));
    const QImage& picture = picture_.at(ratio_);
    if (!picture.isNull() && area.intersects(QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize())))
        p.drawImage(0, 0, picture);
    for (const Stroke& s : strokes_)
        if (s.box.intersects(area)) paint(p, s);
    p.restore();
}

void BoardCanvas::showPicture(const QImage& picture, RatioPicture::Draw again)
{
    picture_ = RatioPicture(picture, std::move(again));
    strokes_.clear();
    growImage();
    image_ = QImage();
    update();
}

void BoardCanvas::drawPoolSlot(int slot, char letter)
{
    const Point pt = board::poolPoint(slot);
    drawCell(pt, BoardRole::PoolFill, BoardRole::PoolOutline);
    const Point at = board::letterPos(pt);
    setTextPosition(at.x, at.y);
    foreColor_ = boardColour(BoardRole::PoolLetter);
    print(std::string(1, letter), false);
}

void BoardCanvas::drawEmptyPoolSlot(int slot)
{
    drawCell(board::poolPoint(slot), BoardRole::PoolFill, BoardRole::PoolOutline);
}

void BoardCanvas::drawTargetRows(const Session& s)
{
    const int clientWidth = width();
    for (int j = 1; j <= board::rowsInPlay(s); ++j) {
        const std::string& word = s.Words[static_cast<size_t>(j)];
        for (size_t i = 1; i <= word.size(); ++i) {
            const Point pt = board::boxPoint(s, j, static_cast<int>(i), clientWidth);
            const bool empty = board::boxEmpty(s, {j, static_cast<int>(i)});
            drawCell(pt, empty ? BoardRole::EmptyBoxFill : BoardRole::ShownBoxFill,
                     empty ? BoardRole::EmptyBoxOutline : BoardRole::ShownBoxOutline);
            const Point at = board::letterPos(pt);
            setTextPosition(at.x, at.y);
            if (!empty) print(std::string(1, word[i - 1]), false);
        }
    }
}

void BoardCanvas::drawPlacedLetter(const Session& s, int row, int column, char letter)
{
    const Point b = board::boxPoint(s, row, column, width());
    outlineBox(board::placedBar(b), boardColour(BoardRole::PlacedBar));
    fillBox(board::fillBox(b), boardColour(BoardRole::PlacedFill));
    outlineBox(board::outlineBox(b), boardColour(BoardRole::PlacedOutline));
    const Point at = board::letterPos(b);
    setTextPosition(at.x, at.y);
    print(std::string(1, letter), true);
}

void BoardCanvas::setTextPosition(double x, double y)
{
    CurrentX = x;
    CurrentY = y;
}

void BoardCanvas::draw(std::initializer_list<Stroke> strokes)
{
    growImage();
    strokes_.insert(strokes_.end(), strokes);
    image_ = QImage();
}

void BoardCanvas::paint(QPainter& p, const Stroke& s) const
{
    if (s.text.isEmpty()) {
        p.fillRect(s.box, s.colour);
    } else {
        p.setFont(font_);
        p.setPen(s.colour);
        p.drawText(s.at, s.text);
    }
}

void BoardCanvas::fillBox(const Box& b, QColor c)
{
    draw({{rectOf(b), c}});
    update(rectOf(b));
}

void BoardCanvas::outlineBox(const Box& b, QColor c)
{
    draw({{rectOf({b.left, b.top, b.right, b.top}), c},
          {rectOf({b.left, b.bottom, b.right, b.bottom}), c},
          {rectOf({b.left, b.top, b.left, b.bottom}), c},
          {rectOf({b.right, b.top, b.right, b.bottom}), c}});
    update(rectOf(b));
}

void BoardCanvas::drawCell(Point pt, BoardRole fill, BoardRole outline)
{
    fillBox(board::fillBox(pt), boardColour(fill));
    outlineBox(board::outlineBox(pt), boardColour(outline));
}

void BoardCanvas::print(const std::string& text, bool lineBreak)
{
    const QString t = toUnicode(text);
    const QFontMetricsF fm(font_);
    const double advance = fm.horizontalAdvance(t);
    // The letters' box, with room for what a glyph draws past its advance.
    const QRect box =
        QRectF(CurrentX - fm.height(), CurrentY - 2, advance + 2 * fm.height(), fm.height() + 4).toAlignedRect();
    if (!t.isEmpty()) draw({{box, foreColor_, QPointF(CurrentX, CurrentY + fm.ascent()), t}});
    update(box);
    if (lineBreak) {
        CurrentX = 0;
        CurrentY += fm.height();
    } else {
        CurrentX += advance;
    }
}

void BoardCanvas::markBox(Point pt)
{
    unmarkBox();
    mark_ = board::cursorFrame(pt);
    update(rectOf(*mark_));
}

void BoardCanvas::unmarkBox()
{
    if (mark_) update(rectOf(*mark_));
    mark_.reset();
}

void BoardCanvas::paintEvent(QPaintEvent* e)
{
    // Moved to a screen of another density, or its scale changed.
    if (ratio_ != 0 && ratio_ != devicePixelRatioF()) redrawAt(devicePixelRatioF());
    QPainter p(this);
    // What is not drawn yet is white.
    p.fillRect(e->rect(), boardColour(BoardRole::Background));
    if (ratio_ != 0) paintBoard(p, e->rect());
    if (mark_) {
        const QColor cursor = boardColour(BoardRole::Cursor);
        const int w = board::CursorFrameWidth;
        const QRect r = rectOf(*mark_);
        p.fillRect(r.left(), r.top(), r.width(), w, cursor);
        p.fillRect(r.left(), r.bottom() - w + 1, r.width(), w, cursor);
        p.fillRect(r.left(), r.top(), w, r.height(), cursor);
        p.fillRect(r.right() - w + 1, r.top(), w, r.height(), cursor);
    }
}

void BoardCanvas::mousePressEvent(QMouseEvent* e)
{
    emit pressed(e->button(), e->modifiers(), e->position());
}

void BoardCanvas::mouseMoveEvent(QMouseEvent* e)
{
    emit moved(e->buttons(), e->modifiers(), e->position());
}

void BoardCanvas::mouseReleaseEvent(QMouseEvent* e)
{
    emit released(e->button(), e->modifiers(), e->position());
}

DragTile::DragTile(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(true);
    setColours(this, {{QPalette::Window, boardColour(BoardRole::DragTile)}});
    setFont(gameFont("Courier New", 24, true));
}

void DragTile::showLetter(char letter)
{
    letter_ = letter;
    update();
}

void DragTile::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), boardColour(BoardRole::DragTile));
    const QString text = toUnicode(std::string(1, letter_));
    const QFontMetricsF fm(font());
    // Centred the way the tile measures its text: advance and line height.
    const double left = width() / 2.0 - fm.horizontalAdvance(text) / 2.0;
    const double top = height() / 2.0 - fm.height() / 2.0;
    p.setFont(font());
    // Greyed as the window's text is while the window is disabled (the about
    // box over it).
    p.setPen(isEnabled() ? boardColour(BoardRole::DragLetter) : palette().color(QPalette::WindowText));
    p.drawText(QPointF(left, top + fm.ascent()), text);
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const QImage& picture, RatioPicture::Draw again)
{
    picture_ = RatioPicture(picture, std::move(again));
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    const QImage& picture = picture_.at(devicePixelRatioF());
    if (picture.isNull()) return;
    QPainter p(this);
    p.drawImage(0, 0, picture);
}

void PictureBox::mousePressEvent(QMouseEvent* e)
{
    e->accept(); // a press on the picture is the picture's, never the board's
    emit pressed(e->button(), e->modifiers(), e->position());
}
