// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "wmf/Objects.h"

#include "wmf/Records.h"

#include <algorithm>

namespace wmf {

namespace {

constexpr size_t kMaxObjects = 65535;   // object indices are 16-bit
constexpr size_t kMaxSavedStates = 256; // SaveDC nesting kept; deeper saves are ignored

} // namespace

Pen penFrom(const char* raw)
{
    // Style, width (x, then an unused y) and colour.
    const uint16_t style = u16At(raw);
    Pen pen;
    pen.width = u16At(raw + 2);
    pen.color = colorAt(raw + 6);
    switch (style & U_PS_STYLE_MASK) {
    case U_PS_DASH: pen.style = Qt::DashLine; break;
    case U_PS_DOT: pen.style = Qt::DotLine; break;
    case U_PS_DASHDOT: pen.style = Qt::DashDotLine; break;
    case U_PS_DASHDOTDOT: pen.style = Qt::DashDotDotLine; break;
    case U_PS_NULL: pen.style = Qt::NoPen; break;
    default: pen.style = Qt::SolidLine; break;
    }
    switch (style & U_PS_ENDCAP_MASK) {
    case U_PS_ENDCAP_SQUARE: pen.cap = Qt::SquareCap; break;
    case U_PS_ENDCAP_FLAT: pen.cap = Qt::FlatCap; break;
    default: pen.cap = Qt::RoundCap; break;
    }
    switch (style & U_PS_JOIN_MASK) {
    case U_PS_JOIN_BEVEL: pen.join = Qt::BevelJoin; break;
    case U_PS_JOIN_MITER: pen.join = Qt::MiterJoin; break;
    default: pen.join = Qt::RoundJoin; break;
    }
    return pen;
}

Brush brushFrom(const char* raw)
{
    // Style, colour and hatch.
    Brush brush;
    brush.color = colorAt(raw + 2);
    switch (u16At(raw)) {
    case U_BS_SOLID: brush.style = Qt::SolidPattern; break;
    case U_BS_HATCHED:
        switch (u16At(raw + 6)) {
        case U_HS_HORIZONTAL: brush.style = Qt::HorPattern; break;
        case U_HS_VERTICAL: brush.style = Qt::VerPattern; break;
        case U_HS_FDIAGONAL: brush.style = Qt::FDiagPattern; break;
        case U_HS_BDIAGONAL: brush.style = Qt::BDiagPattern; break;
        case U_HS_CROSS: brush.style = Qt::CrossPattern; break;
        case U_HS_DIAGCROSS: brush.style = Qt::DiagCrossPattern; break;
        default: brush.style = Qt::SolidPattern; break;
        }
        break;
    case U_BS_NULL: brush.style = Qt::NoBrush; break;
    default: brush.style = Qt::SolidPattern; break; // pattern styles without their bitmap
    }
    return brush;
}

Font fontFrom(const char* raw, size_t available)
{
    Font font;
    font.height = s16At(raw + offsetof(U_FONT, Height));
    font.escapement = s16At(raw + offsetof(U_FONT, Escapement));
    font.weight = s16At(raw + offsetof(U_FONT, Weight));
    font.italic = raw[offsetof(U_FONT, Italic)] != 0;
    font.underline = raw[offsetof(U_FONT, Underline)] != 0;
    font.strikeOut = raw[offsetof(U_FONT, StrikeOut)] != 0;
    const size_t nameBytes = std::min<size_t>(available - U_SIZE_FONT_CORE, 32);
    const QString face = fromCp1252(raw + U_SIZE_FONT_CORE, static_cast<int>(nameBytes)).trimmed();
    if (!face.isEmpty()) font.face = face;
    return font;
}

ObjectTable::ObjectTable(int declared)
{
    slots_.reserve(std::min(declared, 1024));
}

namespace {

qint64 bitmapBytes(const GdiObject& object)
{
    const auto* brush = std::get_if<Brush>(&object);
    return brush ? qint64(brush->texture.sizeInBytes()) : 0;
}

} // namespace

void ObjectTable::put(GdiObject& slot, GdiObject object)
{
    bitmapBytes_ += bitmapBytes(object) - bitmapBytes(slot);
    slot = std::move(object);
}

void ObjectTable::add(GdiObject object)
{
    if (!free_.empty()) {
        put(slots_[*free_.begin()], std::move(object));
        free_.erase(free_.begin());
    } else if (slots_.size() < kMaxObjects) {
        put(slots_.emplace_back(), std::move(object));
    }
}

const GdiObject* ObjectTable::find(uint16_t index) const
{
    if (index >= slots_.size() || std::holds_alternative<std::monostate>(slots_[index])) return nullptr;
    return &slots_[index];
}

void ObjectTable::remove(uint16_t index)
{
    if (!find(index)) return;
    put(slots_[index], std::monostate{});
    free_.insert(index);
}

void DcState::select(const GdiObject* object)
{
    if (!object) return;
    if (const auto* p = std::get_if<Pen>(object)) pen = *p;
    else if (const auto* b = std::get_if<Brush>(object)) brush = *b;
    else if (const auto* f = std::get_if<Font>(object)) font = *f;
}

void SavedStates::save(const DcState& state)
{
    if (saved_.size() < kMaxSavedStates) saved_.push_back(state);
}

void SavedStates::restore(int16_t which, DcState& into)
{
    const auto saves = static_cast<int>(saved_.size());
    int level = which < 0 ? saves + which : which - 1;
    if (which == 0 || level < 0 || level >= saves) return;
    into = saved_[level];
    saved_.resize(level);
}

} // namespace wmf
