// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Graphics objects (pens, brushes, fonts), the metafile's object table, and
// the device context state that selecting, saving and restoring change.

#include <uwmf.h>

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <set>
#include <variant>
#include <vector>

namespace wmf {

struct Pen {
    Qt::PenStyle style = Qt::SolidLine;
    QColor color = Qt::black;
    int width = 0; // logical units; 0 is one pixel
    Qt::PenCapStyle cap = Qt::RoundCap;
    Qt::PenJoinStyle join = Qt::RoundJoin;
};

struct Brush {
    Qt::BrushStyle style = Qt::SolidPattern;
    QColor color = Qt::white;
    QImage texture; // bitmap brushes
};

struct Font {
    int height = 0;
    int escapement = 0; // tenths of a degree, counter-clockwise
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QString face = QStringLiteral("Arial");
};

// Palettes, regions and brushes we cannot rebuild still take a slot, so
// that later indices keep pointing where the file means.
struct Placeholder {};

using GdiObject = std::variant<std::monostate, Pen, Brush, Font, Placeholder>;

// A pen's or a brush's body in a create record.
Pen penFrom(const char* raw);
Brush brushFrom(const char* raw);
// A font record's body, available bytes of it; the face name is read from at
// most its 32 bytes.
Font fontFrom(const char* raw, size_t available);

// The metafile's object table: a new object takes the lowest free index.
class ObjectTable {
public:
    explicit ObjectTable(int declared);

    void add(GdiObject object);
    const GdiObject* find(uint16_t index) const; // null for an empty or unknown slot
    void remove(uint16_t index);
    // The memory it holds: its slots and the bitmaps of its brushes.
    qint64 bytes() const { return qint64(slots_.size() * sizeof(GdiObject)) + bitmapBytes_; }

private:
    void put(GdiObject& slot, GdiObject object);

    std::vector<GdiObject> slots_;
    qint64 bitmapBytes_ = 0;
    std::set<uint16_t> free_; // emptied slots below the end of the table
};

struct DcState {
    Pen pen;
    Brush brush;
    Font font;
    QColor textColor = Qt::black;
    QColor backColor = Qt::white;
    bool opaqueBack = true;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    uint16_t textAlign = U_TA_DEFAULT;
    QPointF windowOrigin;
    QSizeF windowExtent;
    QPointF position; // current position for LineTo

    // Makes a pen, brush or font current; other objects, or none, change nothing.
    void select(const GdiObject* object);
};

// SaveDC and RestoreDC.
class SavedStates {
public:
    void save(const DcState& state);
    // Negative counts back from the latest save; positive names a save level.
    // Levels that were never saved change nothing.
    void restore(int16_t which, DcState& into);

private:
    std::vector<DcState> saved_;
};

} // namespace wmf
