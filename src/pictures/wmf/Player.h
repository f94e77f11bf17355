// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Turns each record into a change of state or into painting: keeps the
// device context, the object table and the saved states.

#include "wmf/Drawing.h"
#include "wmf/Objects.h"
#include "wmf/Records.h"

#include <QPainterPath>

namespace wmf {

class Player {
public:
    // `drawn`: the picture's own size as it is drawn, in image pixels; the
    // canvas may hold only part of it.
    Player(const Frame& frame, Canvas& canvas, QSizeF drawn);

    // Every field, count or length the record carries is checked against
    // its size before the bytes it names are read. Records we do not know,
    // or too short to hold what they claim, are skipped.
    void play(const Record& r);

private:
    // One kind of record each; false for a record of another kind.
    bool setState(const Record& r);         // colours, modes, window, position, saved states
    bool drawLine(const Record& r);         // lines and polygons
    bool drawFigure(const Record& r);       // rectangles, ellipses and their parts
    bool drawTextOrBitmap(const Record& r); // text, bitmaps and filled blocks
    bool keepObject(const Record& r);       // pens, brushes and fonts: made, chosen, deleted

    QPainterPath arcPath(const QRectF& box, QPointF from, QPointF to, uint8_t kind) const;
    void polygon(const Record& r, bool closed);
    void polyPolygon(const Record& r);
    void textOut(const Record& r);
    void extTextOut(const Record& r);
    void stretchDib(const Record& r);
    void dibBlt(const Record& r, bool stretch);
    void createFont(const Record& r);
    void createPatternBrush(const Record& r);
    // A bitmap decoded once its pixels are paid for; null when it cannot be read or paid for.
    QImage decode(const char* dib, uint64_t available);

    Canvas& canvas_;
    ObjectTable objects_;
    DcState dc_;
    SavedStates saved_;
    Drawing drawing_; // draws with dc_
};

} // namespace wmf
