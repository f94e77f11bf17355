#include "platform/WmfPlayer.h"

#include "session/Cp1252.h"

// Replays a Windows Metafile onto a QPainter. libUEMF locates and decodes the
// records; every count or length that a record carries (points, characters,
// bitmap rows) is checked here against the record's own size before libUEMF
// or we touch the bytes it names, because its readers trust those fields.

#include <uwmf.h>

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <set>
#include <variant>

static_assert(std::endian::native == std::endian::little, "metafile fields are read in host byte order");

namespace {

// ----------------------------------------------------------------------------
// Limits: a picture of ours is about 105 x 97 pixels; these only stop files
// that would cost unbounded memory or time.

constexpr int kMaxSide = 4096;              // largest picture side, in pixels
constexpr int kMaxSavedStates = 256;        // SaveDC nesting kept; deeper saves are ignored
constexpr int kMaxObjects = 65535;          // object indices are 16-bit
constexpr int kMaxDibSide = 16384;
constexpr qint64 kMaxDibPixels = 4 * 1024 * 1024;
constexpr int kMaxTextRecords = 1000;       // text beyond these is skipped
constexpr qint64 kMaxTextChars = 100000;
constexpr double kMinPaintBudget = 2e7;     // device pixels all records together may cover
constexpr double kMaxPaintBudget = 5e8;
constexpr double kPaintBudgetPerPixel = 4000;
constexpr double kExtentCost = 20;          // budget per pixel of a shape's width and height

const char* const kTooShort = "file vuoto o troppo corto";
const char* const kNotMetafile = "non e' un metafile di Windows";
const char* const kBadHeader = "intestazione del metafile non valida";
const char* const kBadSize = "dimensioni dell'immagine non valide";
const char* const kTooLarge = "immagine troppo grande";
const char* const kTruncated = "file troncato";
const char* const kDamaged = "record danneggiato";
const char* const kTooComplex = "disegno troppo complesso";
const char* const kNoMemory = "memoria insufficiente per l'immagine";

// Little-endian fields at offsets already checked to lie inside the data.
uint16_t u16At(const char* p) { uint16_t v; std::memcpy(&v, p, 2); return v; }
int16_t s16At(const char* p) { int16_t v; std::memcpy(&v, p, 2); return v; }
uint32_t u32At(const char* p) { uint32_t v; std::memcpy(&v, p, 4); return v; }
int32_t s32At(const char* p) { int32_t v; std::memcpy(&v, p, 4); return v; }

QColor colorOf(const U_COLORREF& c) { return QColor(c.Red, c.Green, c.Blue); }
QPointF pointOf(const U_POINT16& p) { return QPointF(p.x, p.y); }
QRectF rectOf(const U_RECT16& r) { return QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom)).normalized(); }

// Code page 1252, the text of the metafiles we meet.
QString fromCp1252(const char* text, int length)
{
    QString out;
    out.reserve(length);
    for (int i = 0; i < length; ++i) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte == 0) break;
        out.append(QChar(cp1252ToUnicode(byte)));
    }
    return out;
}

// ----------------------------------------------------------------------------
// Records

struct Record {
    const char* data;
    uint32_t size;  // bytes, checked to lie inside the file
    uint8_t type;   // low byte of the record function, as libUEMF numbers them

    bool holds(uint64_t offset, uint64_t length) const { return offset <= size && length <= size - offset; }
};

// Walks the records after the header; every size field is checked against
// the end of the data before the record is handed out.
class RecordReader {
public:
    enum class Step { Record, End, Truncated, Damaged };

    RecordReader(const char* begin, const char* end) : pos_(begin), end_(end) {}

    Step next(Record& record)
    {
        const auto left = static_cast<uint64_t>(end_ - pos_);
        if (left < U_SIZE_METARECORD) return Step::Truncated;
        const size_t size = U_WMRRECSAFE_get(pos_, end_);
        // libUEMF compares in int; the 64-bit check also catches sizes that wrap.
        const uint64_t declared = uint64_t(u32At(pos_)) * 2;
        if (size == 0 || declared != size || declared > left) return Step::Damaged;
        record = Record{pos_, static_cast<uint32_t>(size), static_cast<uint8_t>(pos_[4])};
        pos_ += size;
        return record.type == U_WMR_EOF ? Step::End : Step::Record;
    }

private:
    const char* pos_;
    const char* end_;
};

// ----------------------------------------------------------------------------
// Header: where the picture lies in logical units and its size in pixels.

struct Frame {
    QRectF window;         // logical units shown before any SetWindowOrg/Ext
    QSize size;            // pixels at 96 dots per inch
    size_t recordsStart = 0;
    int objects = 0;       // object table size the header declares
};

bool firstWindowExtent(const char* begin, const char* end, QRectF& window)
{
    RecordReader reader(begin, end);
    QPointF origin;
    Record record;
    while (reader.next(record) == RecordReader::Step::Record) {
        if (record.type == U_WMR_SETWINDOWORG && record.size >= U_SIZE_WMRSETWINDOWORG) {
            U_POINT16 p;
            U_WMRSETWINDOWORG_get(record.data, &p);
            origin = pointOf(p);
        } else if (record.type == U_WMR_SETWINDOWEXT && record.size >= U_SIZE_WMRSETWINDOWEXT) {
            U_POINT16 p;
            U_WMRSETWINDOWEXT_get(record.data, &p);
            if (p.x == 0 || p.y == 0) continue;
            window = QRectF(origin, QSizeF(p.x, p.y));
            return true;
        }
    }
    return false;
}

bool readFrame(const std::vector<uint8_t>& bytes, Frame& frame, std::string& error)
{
    if (bytes.size() < U_SIZE_WMRHEADER) {
        error = kTooShort;
        return false;
    }
    const auto* begin = reinterpret_cast<const char*>(bytes.data());
    const char* end = begin + bytes.size();
    // The placeable prefix is read here and the header after it by libUEMF:
    // given both at once, it wants more bytes than a picture with no records has.
    U_WMRPLACEABLE placeable{};
    const bool isPlaceable = u32At(begin) == 0x9AC6CDD7;
    const size_t headerAt = isPlaceable ? U_SIZE_WMRPLACEABLE : 0;
    if (bytes.size() < headerAt + U_SIZE_WMRHEADER) {
        error = kTruncated;
        return false;
    }
    if (isPlaceable) std::memcpy(&placeable, begin, U_SIZE_WMRPLACEABLE);
    U_WMRPLACEABLE none{};
    U_WMRHEADER header{};
    if (wmfheader_get(begin + headerAt, end, &none, &header) <= 0) {
        error = isPlaceable ? kBadHeader : kNotMetafile;
        return false;
    }
    // Disk or memory metafile, nine-word header, Windows 2 or 3 format.
    if ((header.iType != 1 && header.iType != 2) || header.xb != 0 || header.Size16w != U_SIZE_WMRHEADER / 2
        || (header.version != 0x0100 && header.version != 0x0300)) {
        error = isPlaceable ? kBadHeader : kNotMetafile;
        return false;
    }
    frame.recordsStart = headerAt + U_SIZE_WMRHEADER;
    frame.objects = header.nObjects;

    if (isPlaceable) {
        if (placeable.Inch == 0) {
            error = kBadSize;
            return false;
        }
        frame.window = rectOf(placeable.Dst);
        const double width = std::round(frame.window.width() * 96.0 / placeable.Inch);
        const double height = std::round(frame.window.height() * 96.0 / placeable.Inch);
        if (width < 1 || height < 1) {
            error = kBadSize;
            return false;
        }
        if (width > kMaxSide || height > kMaxSide) {
            error = kTooLarge;
            return false;
        }
        frame.size = QSize(static_cast<int>(width), static_cast<int>(height));
        return true;
    }
    // A plain metafile has no size of its own: its first window extent,
    // taken as pixels, gives it one.
    if (!firstWindowExtent(begin + frame.recordsStart, end, frame.window)) {
        error = kBadSize;
        return false;
    }
    const double width = std::abs(frame.window.width());
    const double height = std::abs(frame.window.height());
    if (width > kMaxSide || height > kMaxSide) {
        error = kTooLarge;
        return false;
    }
    frame.size = QSize(static_cast<int>(width), static_cast<int>(height));
    return true;
}

// ----------------------------------------------------------------------------
// Graphics objects and the device context state

struct Pen {
    Qt::PenStyle style = Qt::SolidLine;
    QColor color = Qt::black;
    int width = 0;  // logical units; 0 is one pixel
    Qt::PenCapStyle cap = Qt::RoundCap;
    Qt::PenJoinStyle join = Qt::RoundJoin;
};

struct Brush {
    Qt::BrushStyle style = Qt::SolidPattern;
    QColor color = Qt::white;
    QImage texture;  // bitmap brushes
};

struct Font {
    int height = 0;
    int escapement = 0;  // tenths of a degree, counter-clockwise
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

// The metafile's object table: a new object takes the lowest free index.
class ObjectTable {
public:
    explicit ObjectTable(int declared) { slots_.reserve(std::min(declared, 1024)); }

    void add(GdiObject object)
    {
        if (!free_.empty()) {
            slots_[*free_.begin()] = std::move(object);
            free_.erase(free_.begin());
        } else if (slots_.size() < kMaxObjects) {
            slots_.push_back(std::move(object));
        }
    }
    const GdiObject* find(uint16_t index) const
    {
        if (index >= slots_.size() || std::holds_alternative<std::monostate>(slots_[index])) return nullptr;
        return &slots_[index];
    }
    void remove(uint16_t index)
    {
        if (!find(index)) return;
        slots_[index] = std::monostate{};
        free_.insert(index);
    }

private:
    std::vector<GdiObject> slots_;
    std::set<uint16_t> free_;  // emptied slots below the end of the table
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
    QPointF position;  // current position for LineTo
};

Pen penFrom(const U_PEN& p)
{
    Pen pen;
    pen.color = colorOf(p.Color);
    pen.width = p.Widthw[0];
    switch (p.Style & U_PS_STYLE_MASK) {
    case U_PS_DASH: pen.style = Qt::DashLine; break;
    case U_PS_DOT: pen.style = Qt::DotLine; break;
    case U_PS_DASHDOT: pen.style = Qt::DashDotLine; break;
    case U_PS_DASHDOTDOT: pen.style = Qt::DashDotDotLine; break;
    case U_PS_NULL: pen.style = Qt::NoPen; break;
    default: pen.style = Qt::SolidLine; break;
    }
    switch (p.Style & U_PS_ENDCAP_MASK) {
    case U_PS_ENDCAP_SQUARE: pen.cap = Qt::SquareCap; break;
    case U_PS_ENDCAP_FLAT: pen.cap = Qt::FlatCap; break;
    default: pen.cap = Qt::RoundCap; break;
    }
    switch (p.Style & U_PS_JOIN_MASK) {
    case U_PS_JOIN_BEVEL: pen.join = Qt::BevelJoin; break;
    case U_PS_JOIN_MITER: pen.join = Qt::MiterJoin; break;
    default: pen.join = Qt::RoundJoin; break;
    }
    return pen;
}

Brush brushFrom(const U_WLOGBRUSH& b)
{
    Brush brush;
    brush.color = colorOf(b.Color);
    switch (b.Style) {
    case U_BS_SOLID: brush.style = Qt::SolidPattern; break;
    case U_BS_HATCHED:
        switch (b.Hatch) {
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
    default: brush.style = Qt::SolidPattern; break;  // pattern styles without their bitmap
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

// ----------------------------------------------------------------------------
// Device-independent bitmaps: header, colour table and rows must all lie in
// the bytes given; anything we cannot read is a null image.

uint8_t maskedChannel(uint32_t pixel, uint32_t mask)
{
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const uint32_t field = mask >> shift;
    const int bits = static_cast<int>(std::bit_width(field));
    const uint64_t top = (uint64_t(1) << bits) - 1;
    return static_cast<uint8_t>(uint64_t((pixel & mask) >> shift) * 255 / top);
}

QImage decodeDib(const char* dib, uint64_t available)
{
    if (available < 40) return {};
    const uint32_t headerSize = u32At(dib);
    if (headerSize < 40 || headerSize > available) return {};  // core headers are too old to meet
    const int64_t width = s32At(dib + 4);
    int64_t height = s32At(dib + 8);
    const int bits = u16At(dib + 14);
    const uint32_t compression = u32At(dib + 16);
    const uint32_t colorsUsed = u32At(dib + 32);
    const bool topDown = height < 0;
    height = std::abs(height);
    if (width <= 0 || height <= 0 || width > kMaxDibSide || height > kMaxDibSide || width * height > kMaxDibPixels)
        return {};
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return {};

    uint64_t offset = headerSize;
    uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (bits == 32) {
        masks[0] = 0xFF0000;
        masks[1] = 0x00FF00;
        masks[2] = 0x0000FF;
    }
    if (compression == U_BI_BITFIELDS && (bits == 16 || bits == 32)) {
        const uint64_t at = headerSize >= 52 ? 40 : headerSize;
        if (at + 12 > available) return {};
        for (int i = 0; i < 3; ++i) masks[i] = u32At(dib + at + 4 * i);
        if (headerSize < 52) offset += 12;
    } else if (compression != U_BI_RGB) {
        return {};
    }
    uint64_t colors = colorsUsed;
    if (bits <= 8) {
        if (colors == 0) colors = uint64_t(1) << bits;
        if (colors > (uint64_t(1) << bits)) return {};
    }
    const char* table = dib + offset;
    offset += colors * 4;
    const uint64_t stride = ((uint64_t(width) * bits + 31) / 32) * 4;
    if (offset > available || stride * uint64_t(height) > available - offset) return {};

    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32);
    if (image.isNull()) return {};
    auto paletteColor = [&](uint32_t index) -> QRgb {
        if (index >= colors) return qRgb(0, 0, 0);
        const char* e = table + 4 * index;
        return qRgb(static_cast<uint8_t>(e[2]), static_cast<uint8_t>(e[1]), static_cast<uint8_t>(e[0]));
    };
    for (int64_t row = 0; row < height; ++row) {
        const auto* src = reinterpret_cast<const uint8_t*>(dib + offset + stride * row);
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(topDown ? row : height - 1 - row)));
        for (int64_t x = 0; x < width; ++x) {
            switch (bits) {
            case 1: dst[x] = paletteColor((src[x / 8] >> (7 - x % 8)) & 1); break;
            case 4: dst[x] = paletteColor((src[x / 2] >> (x % 2 ? 0 : 4)) & 0xF); break;
            case 8: dst[x] = paletteColor(src[x]); break;
            case 24: dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
            default: {
                uint32_t pixel = bits == 16 ? uint32_t(src[2 * x] | (src[2 * x + 1] << 8))
                                            : uint32_t(src[4 * x]) | uint32_t(src[4 * x + 1]) << 8
                                                  | uint32_t(src[4 * x + 2]) << 16 | uint32_t(src[4 * x + 3]) << 24;
                dst[x] = qRgb(maskedChannel(pixel, masks[0]), maskedChannel(pixel, masks[1]),
                              maskedChannel(pixel, masks[2]));
            }
            }
        }
    }
    return image;
}

// ----------------------------------------------------------------------------
// The image being drawn and the cost of drawing on it

class Canvas {
public:
    explicit Canvas(QSize size)
        : image_(size, QImage::Format_ARGB32_Premultiplied),
          budget_(std::clamp(kPaintBudgetPerPixel * size.width() * size.height(), kMinPaintBudget, kMaxPaintBudget))
    {
        if (image_.isNull()) return;
        image_.fill(Qt::transparent);
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setRenderHint(QPainter::TextAntialiasing);
        // Bitmaps stretch without smoothing, pixel for pixel as Windows does.
    }

    bool ready() const { return painter_.isActive(); }
    QPainter& painter() { return painter_; }
    QRectF bounds() const { return QRectF(QPointF(0, 0), image_.size()); }
    bool exhausted() const { return budget_ < 0; }

    // Charges the pixels an operation can touch, and its extent: outlines
    // far larger than the picture cost time to flatten and clip even where
    // nothing of them shows. False once the budget is spent.
    bool spend(const QRectF& deviceArea)
    {
        const QRectF extent = deviceArea.normalized();
        const QRectF touched = extent.intersected(bounds());
        return charge(touched.width() * touched.height() + kExtentCost * (extent.width() + extent.height()) + 1);
    }
    bool charge(double pixels)
    {
        budget_ -= pixels;
        return budget_ >= 0;
    }

    QImage finish()
    {
        painter_.end();
        return image_.convertToFormat(QImage::Format_ARGB32);
    }

private:
    QImage image_;
    QPainter painter_;
    double budget_;
};

// ----------------------------------------------------------------------------
// The player: keeps the device context, the object table and the saved
// states, and turns each record into painting.

class Player {
public:
    Player(const Frame& frame, Canvas& canvas) : canvas_(canvas), objects_(frame.objects), size_(frame.size)
    {
        dc_.windowOrigin = frame.window.topLeft();
        dc_.windowExtent = frame.window.size();
    }

    void play(const Record& r);

private:
    // Mapping of the window onto the picture.
    QTransform mapping() const
    {
        const double sx = size_.width() / dc_.windowExtent.width();
        const double sy = size_.height() / dc_.windowExtent.height();
        return QTransform(sx, 0, 0, sy, -dc_.windowOrigin.x() * sx, -dc_.windowOrigin.y() * sy);
    }
    double scaleX() const { return std::abs(size_.width() / dc_.windowExtent.width()); }
    double scaleY() const { return std::abs(size_.height() / dc_.windowExtent.height()); }

    QPen currentPen() const
    {
        if (dc_.pen.style == Qt::NoPen) return Qt::NoPen;
        // A pen wider than twice the picture covers all of it; wider still only costs time.
        const double widest = 2.0 * std::max(size_.width(), size_.height());
        const double width = std::clamp(dc_.pen.width * (scaleX() + scaleY()) / 2, 1.0, widest);
        QPen pen(dc_.pen.color, width, dc_.pen.style, dc_.pen.cap, dc_.pen.join);
        pen.setCosmetic(true);  // already in pixels
        return pen;
    }
    QBrush currentBrush() const
    {
        if (!dc_.brush.texture.isNull()) return QBrush(dc_.brush.texture);
        return QBrush(dc_.brush.color, dc_.brush.style);
    }

    // Sets up the painter for a shape within logical bounds; false when the
    // shape costs more than is left.
    bool prepare(const QRectF& logicalBounds, bool filled)
    {
        QPainter& p = canvas_.painter();
        const QTransform t = mapping();
        const QPen pen = currentPen();
        const double margin = pen.style() == Qt::NoPen ? 0 : pen.widthF();
        if (!canvas_.spend(t.mapRect(logicalBounds).adjusted(-margin, -margin, margin, margin))) return false;
        p.setTransform(t);
        p.setPen(pen);
        p.setBrush(filled ? currentBrush() : QBrush(Qt::NoBrush));
        p.setBackground(dc_.backColor);
        p.setBackgroundMode(dc_.opaqueBack ? Qt::OpaqueMode : Qt::TransparentMode);
        return true;
    }

    void drawPath(const QPainterPath& path, bool filled)
    {
        if (prepare(path.controlPointRect(), filled)) canvas_.painter().drawPath(path);
    }

    QPainterPath arcPath(const QRectF& box, QPointF from, QPointF to, uint8_t kind) const;
    void drawText(QPointF at, const QString& text, const std::vector<double>& advances,
                  const QRectF* opaque, const QRectF* clip);
    void drawBitmap(const QImage& dib, QRectF target, QRectF source, bool bottomUp);
    void fillBlock(const QRectF& target, uint32_t rop);

    void select(uint16_t index);
    void restore(int16_t which);

    void polygon(const Record& r, bool closed);
    void polyPolygon(const Record& r);
    void textOut(const Record& r);
    void extTextOut(const Record& r);
    void stretchDib(const Record& r);
    void dibBlt(const Record& r, bool stretch);
    void createFont(const Record& r);

    Canvas& canvas_;
    ObjectTable objects_;
    QSize size_;
    DcState dc_;
    std::vector<DcState> saved_;
    int textRecords_ = 0;
    qint64 textChars_ = 0;
};

// The smallest size each record we play must have; shorter ones are skipped.
uint32_t minimumSize(uint8_t type)
{
    switch (type) {
    case U_WMR_SETBKCOLOR: return U_SIZE_WMRSETBKCOLOR;
    case U_WMR_SETTEXTCOLOR: return U_SIZE_WMRSETTEXTCOLOR;
    case U_WMR_SETBKMODE: return U_SIZE_WMRSETBKMODE;
    case U_WMR_SETPOLYFILLMODE: return U_SIZE_WMRSETPOLYFILLMODE;
    case U_WMR_SETTEXTALIGN: return U_SIZE_WMRSETTEXTALIGN;
    case U_WMR_SETWINDOWORG: return U_SIZE_WMRSETWINDOWORG;
    case U_WMR_SETWINDOWEXT: return U_SIZE_WMRSETWINDOWEXT;
    case U_WMR_LINETO: return U_SIZE_WMRLINETO;
    case U_WMR_MOVETO: return U_SIZE_WMRMOVETO;
    case U_WMR_ARC: return U_SIZE_WMRARC;
    case U_WMR_PIE: return U_SIZE_WMRPIE;
    case U_WMR_CHORD: return U_SIZE_WMRCHORD;
    case U_WMR_ELLIPSE: return U_SIZE_WMRELLIPSE;
    case U_WMR_RECTANGLE: return U_SIZE_WMRRECTANGLE;
    case U_WMR_ROUNDRECT: return U_SIZE_WMRROUNDRECT;
    case U_WMR_PATBLT: return U_SIZE_WMRPATBLT;
    case U_WMR_SAVEDC: return U_SIZE_WMRSAVEDC;
    case U_WMR_RESTOREDC: return U_SIZE_WMRRESTOREDC;
    case U_WMR_POLYGON: return U_SIZE_WMRPOLYGON;
    case U_WMR_POLYLINE: return U_SIZE_WMRPOLYLINE;
    case U_WMR_POLYPOLYGON: return U_SIZE_WMRPOLYPOLYGON;
    case U_WMR_TEXTOUT: return U_SIZE_WMRTEXTOUT;
    case U_WMR_EXTTEXTOUT: return U_SIZE_WMREXTTEXTOUT;
    case U_WMR_SELECTOBJECT: return U_SIZE_WMRSELECTOBJECT;
    case U_WMR_DELETEOBJECT: return U_SIZE_WMRDELETEOBJECT;
    case U_WMR_CREATEPENINDIRECT: return U_SIZE_WMRCREATEPENINDIRECT;
    case U_WMR_CREATEBRUSHINDIRECT: return U_SIZE_WMRCREATEBRUSHINDIRECT;
    case U_WMR_CREATEFONTINDIRECT: return U_SIZE_METARECORD + U_SIZE_FONT_CORE;
    case U_WMR_STRETCHDIB: return U_SIZE_WMRSTRETCHDIB;
    case U_WMR_DIBSTRETCHBLT: return U_SIZE_WMRDIBSTRETCHBLT_PX;
    case U_WMR_DIBBITBLT: return U_SIZE_WMRDIBBITBLT_PX;
    case U_WMR_DIBCREATEPATTERNBRUSH: return U_SIZE_WMRDIBCREATEPATTERNBRUSH;
    default: return U_SIZE_METARECORD;
    }
}

bool createsObject(uint8_t type)
{
    switch (type) {
    case U_WMR_CREATEPENINDIRECT:
    case U_WMR_CREATEBRUSHINDIRECT:
    case U_WMR_CREATEFONTINDIRECT:
    case U_WMR_CREATEPALETTE:
    case U_WMR_CREATEPATTERNBRUSH:
    case U_WMR_DIBCREATEPATTERNBRUSH:
    case U_WMR_CREATEREGION: return true;
    default: return false;
    }
}

void Player::play(const Record& r)
{
    if (r.size < minimumSize(r.type)) {
        // A damaged create still takes its slot, or every later index would shift.
        if (createsObject(r.type)) objects_.add(Placeholder{});
        return;
    }
    const char* d = r.data;
    U_POINT16 a, b;
    U_RECT16 box;
    U_COLORREF color;
    uint16_t value = 0;
    switch (r.type) {
    case U_WMR_SETBKCOLOR:
        U_WMRSETBKCOLOR_get(d, &color);
        dc_.backColor = colorOf(color);
        break;
    case U_WMR_SETTEXTCOLOR:
        U_WMRSETTEXTCOLOR_get(d, &color);
        dc_.textColor = colorOf(color);
        break;
    case U_WMR_SETBKMODE:
        U_WMRSETBKMODE_get(d, &value);
        if (value == U_TRANSPARENT || value == U_OPAQUE) dc_.opaqueBack = value == U_OPAQUE;
        break;
    case U_WMR_SETPOLYFILLMODE:
        U_WMRSETPOLYFILLMODE_get(d, &value);
        if (value == U_ALTERNATE || value == U_WINDING)
            dc_.fillRule = value == U_WINDING ? Qt::WindingFill : Qt::OddEvenFill;
        break;
    case U_WMR_SETTEXTALIGN:
        U_WMRSETTEXTALIGN_get(d, &value);
        dc_.textAlign = value;
        break;
    case U_WMR_SETWINDOWORG:
        U_WMRSETWINDOWORG_get(d, &a);
        dc_.windowOrigin = pointOf(a);
        break;
    case U_WMR_SETWINDOWEXT:
        U_WMRSETWINDOWEXT_get(d, &a);
        if (a.x != 0 && a.y != 0) dc_.windowExtent = QSizeF(a.x, a.y);  // an empty window maps nothing
        break;
    case U_WMR_MOVETO:
        U_WMRMOVETO_get(d, &a);
        dc_.position = pointOf(a);
        break;
    case U_WMR_LINETO: {
        U_WMRLINETO_get(d, &a);
        QPainterPath line(dc_.position);
        line.lineTo(pointOf(a));
        drawPath(line, false);
        dc_.position = pointOf(a);
        break;
    }
    case U_WMR_RECTANGLE: {
        U_WMRRECTANGLE_get(d, &box);
        QPainterPath path;
        path.addRect(rectOf(box));
        drawPath(path, true);
        break;
    }
    case U_WMR_ROUNDRECT: {
        int16_t w = 0, h = 0;
        U_WMRROUNDRECT_get(d, &w, &h, &box);
        const QRectF rect = rectOf(box);
        QPainterPath path;
        path.addRoundedRect(rect, std::min(std::abs(w) / 2.0, rect.width() / 2),
                            std::min(std::abs(h) / 2.0, rect.height() / 2));
        drawPath(path, true);
        break;
    }
    case U_WMR_ELLIPSE: {
        U_WMRELLIPSE_get(d, &box);
        QPainterPath path;
        path.addEllipse(rectOf(box));
        drawPath(path, true);
        break;
    }
    case U_WMR_ARC:
        U_WMRARC_get(d, &a, &b, &box);
        drawPath(arcPath(rectOf(box), pointOf(a), pointOf(b), r.type), false);
        break;
    case U_WMR_PIE:
        U_WMRPIE_get(d, &a, &b, &box);
        drawPath(arcPath(rectOf(box), pointOf(a), pointOf(b), r.type), true);
        break;
    case U_WMR_CHORD:
        U_WMRCHORD_get(d, &a, &b, &box);
        drawPath(arcPath(rectOf(box), pointOf(a), pointOf(b), r.type), true);
        break;
    case U_WMR_POLYGON: polygon(r, true); break;
    case U_WMR_POLYLINE: polygon(r, false); break;
    case U_WMR_POLYPOLYGON: polyPolygon(r); break;
    case U_WMR_TEXTOUT: textOut(r); break;
    case U_WMR_EXTTEXTOUT: extTextOut(r); break;
    case U_WMR_STRETCHDIB: stretchDib(r); break;
    case U_WMR_DIBSTRETCHBLT: dibBlt(r, true); break;
    case U_WMR_DIBBITBLT: dibBlt(r, false); break;
    case U_WMR_PATBLT: {
        uint32_t rop = 0;
        U_WMRPATBLT_get(d, &a, &b, &rop);
        fillBlock(QRectF(pointOf(a), QSizeF(b.x, b.y)).normalized(), rop);
        break;
    }
    case U_WMR_SAVEDC:
        if (saved_.size() < kMaxSavedStates) saved_.push_back(dc_);
        break;
    case U_WMR_RESTOREDC: {
        int16_t which = 0;
        U_WMRRESTOREDC_get(d, &which);
        restore(which);
        break;
    }
    case U_WMR_SELECTOBJECT:
        U_WMRSELECTOBJECT_get(d, &value);
        select(value);
        break;
    case U_WMR_DELETEOBJECT:
        U_WMRDELETEOBJECT_get(d, &value);
        objects_.remove(value);
        break;
    case U_WMR_CREATEPENINDIRECT: {
        U_PEN pen;
        U_WMRCREATEPENINDIRECT_get(d, &pen);
        objects_.add(penFrom(pen));
        break;
    }
    case U_WMR_CREATEBRUSHINDIRECT: {
        const char* raw = nullptr;
        U_WLOGBRUSH brush;
        U_WMRCREATEBRUSHINDIRECT_get(d, &raw);
        std::memcpy(&brush, raw, U_SIZE_WLOGBRUSH);
        objects_.add(brushFrom(brush));
        break;
    }
    case U_WMR_CREATEFONTINDIRECT: createFont(r); break;
    case U_WMR_DIBCREATEPATTERNBRUSH: {
        // A bitmap brush when its DIB reads cleanly, else a grey stand-in.
        Brush brush;
        brush.color = Qt::gray;
        const uint16_t style = u16At(d + 6);
        const uint16_t usage = u16At(d + 8);
        if (style != U_BS_PATTERN && usage == U_DIB_RGB_COLORS && r.size > 10)
            brush.texture = decodeDib(d + 10, r.size - 10);
        objects_.add(brush);
        break;
    }
    default:
        if (createsObject(r.type)) objects_.add(Placeholder{});
        break;  // records we do not draw
    }
}

void Player::select(uint16_t index)
{
    const GdiObject* object = objects_.find(index);
    if (!object) return;
    if (const auto* pen = std::get_if<Pen>(object)) dc_.pen = *pen;
    else if (const auto* brush = std::get_if<Brush>(object)) dc_.brush = *brush;
    else if (const auto* font = std::get_if<Font>(object)) dc_.font = *font;
}

void Player::restore(int16_t which)
{
    // Negative counts back from the latest save; positive names a save level.
    const auto saves = static_cast<int>(saved_.size());
    int level = which < 0 ? saves + which : which - 1;
    if (which == 0 || level < 0 || level >= saves) return;
    dc_ = saved_[level];
    saved_.resize(level);
}

QPainterPath Player::arcPath(const QRectF& box, QPointF from, QPointF to, uint8_t kind) const
{
    // The radials through the two points cut the ellipse where the figure
    // starts and ends; it runs counter-clockwise between them.
    const QPointF c = box.center();
    const double rx = box.width() / 2, ry = box.height() / 2;
    auto angle = [&](QPointF p) {
        if (rx <= 0 || ry <= 0) return 0.0;
        return qRadiansToDegrees(std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx));
    };
    const double start = angle(from);
    double sweep = std::fmod(angle(to) - start, 360.0);
    if (sweep <= 0) sweep += 360;
    QPainterPath path;
    if (kind == U_WMR_PIE) {
        path.moveTo(c);
        path.arcTo(box, start, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(box, start);
        path.arcTo(box, start, sweep);
        if (kind == U_WMR_CHORD) path.closeSubpath();
    }
    path.setFillRule(dc_.fillRule);
    return path;
}

void Player::polygon(const Record& r, bool closed)
{
    uint16_t count = 0;
    const char* data = nullptr;
    const int got = closed ? U_WMRPOLYGON_get(r.data, &count, &data) : U_WMRPOLYLINE_get(r.data, &count, &data);
    // libUEMF checks the points against the record; so do we, to be sure.
    if (!got || count < 2 || !r.holds(8, uint64_t(count) * 4)) return;
    QPolygonF points;
    points.reserve(count);
    for (int i = 0; i < count; ++i) points.append(QPointF(s16At(data + 4 * i), s16At(data + 4 * i + 2)));
    QPainterPath path;
    path.addPolygon(points);
    if (closed) path.closeSubpath();
    path.setFillRule(dc_.fillRule);
    drawPath(path, closed);
}

void Player::polyPolygon(const Record& r)
{
    // nPolys, then that many point counts, then all the points.
    const uint16_t polygons = u16At(r.data + 6);
    if (polygons == 0 || !r.holds(8, uint64_t(polygons) * 2)) return;
    uint64_t total = 0;
    for (int i = 0; i < polygons; ++i) total += u16At(r.data + 8 + 2 * i);
    const uint64_t pointsAt = 8 + uint64_t(polygons) * 2;
    if (!r.holds(pointsAt, total * 4)) return;
    uint16_t n = 0;
    const uint16_t* counts = nullptr;
    const char* points = nullptr;
    if (!U_WMRPOLYPOLYGON_get(r.data, &n, &counts, &points) || points != r.data + pointsAt) return;
    QPainterPath path;
    uint64_t next = 0;
    for (int i = 0; i < polygons; ++i) {
        const uint16_t count = u16At(r.data + 8 + 2 * i);
        QPolygonF polygon;
        polygon.reserve(count);
        for (uint16_t k = 0; k < count; ++k, ++next)
            polygon.append(QPointF(s16At(points + 4 * next), s16At(points + 4 * next + 2)));
        if (count >= 2) {
            path.addPolygon(polygon);
            path.closeSubpath();
        }
    }
    path.setFillRule(dc_.fillRule);
    drawPath(path, true);
}

void Player::textOut(const Record& r)
{
    // Length, the string padded to an even size, then y and x.
    const int16_t length = s16At(r.data + 6);
    if (length < 0 || !r.holds(8, uint64_t(length + (length & 1)) + 4)) return;
    U_POINT16 at;
    int16_t n = 0;
    const char* text = nullptr;
    if (!U_WMRTEXTOUT_get(r.data, &at, &n, &text)) return;
    drawText(pointOf(at), fromCp1252(text, length), {}, nullptr, nullptr);
}

void Player::extTextOut(const Record& r)
{
    // y, x, length, options, an optional rectangle, the string, optional advances.
    const int16_t length = s16At(r.data + 10);
    const uint16_t options = u16At(r.data + 12);
    const bool hasRect = options & (U_ETO_OPAQUE | U_ETO_CLIPPED);
    const uint64_t textAt = U_SIZE_WMREXTTEXTOUT + (hasRect ? U_SIZE_RECT16 : 0);
    if (length < 0 || !r.holds(textAt, uint64_t(length))) return;
    U_POINT16 at;
    int16_t n = 0;
    uint16_t opts = 0;
    const char* text = nullptr;
    const int16_t* dx = nullptr;
    U_RECT16 box;
    if (!U_WMREXTTEXTOUT_get(r.data, &at, &n, &opts, &text, &dx, &box)) return;
    std::vector<double> advances;
    const uint64_t dxAt = textAt + uint64_t(length + (length & 1));
    if (length > 0 && r.holds(dxAt, uint64_t(length) * 2)) {
        advances.reserve(length);
        for (int i = 0; i < length; ++i) advances.push_back(s16At(r.data + dxAt + 2 * i));
    }
    const QRectF rect = rectOf(box);
    drawText(pointOf(at), fromCp1252(text, length), advances, (options & U_ETO_OPAQUE) ? &rect : nullptr,
             (options & U_ETO_CLIPPED) ? &rect : nullptr);
}

void Player::drawText(QPointF at, const QString& text, const std::vector<double>& advances, const QRectF* opaque,
                      const QRectF* clip)
{
    if (++textRecords_ > kMaxTextRecords || (textChars_ += text.size()) > kMaxTextChars) return;
    QPainter& p = canvas_.painter();
    const QTransform t = mapping();
    p.save();
    p.resetTransform();
    if (clip) p.setClipRect(t.mapRect(*clip));
    if (opaque && canvas_.spend(t.mapRect(*opaque))) p.fillRect(t.mapRect(*opaque), dc_.backColor);

    const Font& f = dc_.font;
    double pixels = f.height < 0 ? -f.height * scaleY() : f.height > 0 ? f.height * scaleY() * 0.87 : 12;
    QFont font(f.face);
    const double tallest = 2.0 * std::max(size_.width(), size_.height());
    font.setPixelSize(static_cast<int>(std::clamp(std::round(pixels), 1.0, tallest)));
    font.setWeight(static_cast<QFont::Weight>(f.weight <= 0 ? 400 : std::clamp(f.weight, 1, 1000)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    const QFontMetricsF metrics(font);

    double width = 0;
    if (advances.empty()) width = metrics.horizontalAdvance(text);
    else
        for (double a : advances) width += a * scaleX();
    const bool updatePosition = dc_.textAlign & U_TA_UPDATECP;
    const QPointF anchor = t.map(updatePosition ? dc_.position : at);
    double left = 0;
    if ((dc_.textAlign & U_TA_CENTER) == U_TA_CENTER) left = -width / 2;
    else if (dc_.textAlign & U_TA_RIGHT) left = -width;
    double baseline = metrics.ascent();
    if ((dc_.textAlign & U_TA_BASELINE) == U_TA_BASELINE) baseline = 0;
    else if (dc_.textAlign & U_TA_BOTTOM) baseline = -metrics.descent();

    p.translate(anchor);
    p.rotate(-f.escapement / 10.0);
    const QRectF cell(left, baseline - metrics.ascent(), width, metrics.height());
    if (canvas_.spend(p.transform().mapRect(cell))) {
        if (dc_.opaqueBack) p.fillRect(cell, dc_.backColor);
        p.setFont(font);
        p.setPen(dc_.textColor);
        if (advances.empty()) {
            p.drawText(QPointF(left, baseline), text);
        } else {
            double x = left;
            for (qsizetype i = 0; i < text.size() && i < qsizetype(advances.size()); ++i) {
                p.drawText(QPointF(x, baseline), QString(text[i]));
                x += advances[i] * scaleX();
            }
        }
    }
    p.restore();
    if (updatePosition) dc_.position += QPointF(width / scaleX(), 0);
}

void Player::drawBitmap(const QImage& dib, QRectF target, QRectF source, bool bottomUp)
{
    if (dib.isNull() || !canvas_.charge(double(dib.width()) * dib.height())) return;
    if (target.width() == 0 || target.height() == 0) return;
    // Rows of a bottom-up bitmap count from its last line.
    if (bottomUp) source.moveTop(dib.height() - source.top() - source.height());
    source = source.normalized().intersected(QRectF(QPointF(0, 0), dib.size()));
    if (source.isEmpty()) return;
    QImage picture = dib.copy(source.toAlignedRect());
    const bool flipX = target.width() < 0, flipY = target.height() < 0;
    if (flipX || flipY) picture = picture.mirrored(flipX, flipY);
    target = target.normalized();
    if (!prepare(target, false)) return;
    canvas_.painter().drawImage(target, picture);
}

void Player::fillBlock(const QRectF& target, uint32_t rop)
{
    QBrush fill;
    if (rop == U_PATCOPY) fill = currentBrush();
    else if (rop == U_BLACKNESS) fill = QBrush(Qt::black);
    else if (rop == U_WHITENESS) fill = QBrush(Qt::white);
    else return;
    if (!prepare(target, false)) return;
    canvas_.painter().fillRect(target, fill);
}

void Player::stretchDib(const Record& r)
{
    const uint64_t dibAt = offsetof(U_WMRSTRETCHDIB, dib);
    if (!r.holds(dibAt, 40)) return;
    const QImage dib = decodeDib(r.data + dibAt, r.size - dibAt);  // every byte checked against the record
    if (dib.isNull() || u16At(r.data + 10) != U_DIB_RGB_COLORS) return;
    U_POINT16 dst, cDst, src, cSrc;
    uint16_t usage = 0;
    uint32_t rop = 0;
    const char* raw = nullptr;
    if (!U_WMRSTRETCHDIB_get(r.data, &dst, &cDst, &src, &cSrc, &usage, &rop, &raw)) return;
    drawBitmap(dib, QRectF(pointOf(dst), QSizeF(cDst.x, cDst.y)), QRectF(pointOf(src), QSizeF(cSrc.x, cSrc.y)),
               s32At(raw + 8) > 0);
}

void Player::dibBlt(const Record& r, bool stretch)
{
    const auto xb = static_cast<uint8_t>(r.data[5]);
    const bool hasBitmap = !U_TEST_NOPXB(r.size, xb);
    U_POINT16 dst, cDst, src, cSrc;
    uint32_t rop = 0;
    const char* raw = nullptr;
    if (!hasBitmap) {
        if (r.size < (stretch ? U_SIZE_WMRDIBSTRETCHBLT_NOPX : U_SIZE_WMRDIBBITBLT_NOPX)) return;
        const int got = stretch ? U_WMRDIBSTRETCHBLT_get(r.data, &dst, &cDst, &src, &cSrc, &rop, &raw)
                                : U_WMRDIBBITBLT_get(r.data, &dst, &cDst, &src, &rop, &raw);
        if (got) fillBlock(QRectF(pointOf(dst), QSizeF(cDst.x, cDst.y)).normalized(), rop);
        return;
    }
    const uint64_t dibAt = stretch ? offsetof(U_WMRDIBSTRETCHBLT_PX, dib) : offsetof(U_WMRDIBBITBLT_PX, dib);
    if (!r.holds(dibAt, 40)) return;
    const QImage dib = decodeDib(r.data + dibAt, r.size - dibAt);
    if (dib.isNull()) return;
    const int got = stretch ? U_WMRDIBSTRETCHBLT_get(r.data, &dst, &cDst, &src, &cSrc, &rop, &raw)
                            : U_WMRDIBBITBLT_get(r.data, &dst, &cDst, &src, &rop, &raw);
    if (!got || !raw) return;
    if (!stretch) cSrc = cDst;  // a plain blit copies the same size
    drawBitmap(dib, QRectF(pointOf(dst), QSizeF(cDst.x, cDst.y)), QRectF(pointOf(src), QSizeF(cSrc.x, cSrc.y)),
               s32At(raw + 8) > 0);
}

void Player::createFont(const Record& r)
{
    // libUEMF refuses a face name running past the 32 bytes a font holds;
    // fontFrom reads at most those 32, so such a font is still made.
    const char* raw = nullptr;
    if (!U_WMRCREATEFONTINDIRECT_get(r.data, &raw)) raw = r.data + U_SIZE_METARECORD;
    objects_.add(fontFrom(raw, r.size - U_SIZE_METARECORD));
}

}  // namespace

bool renderWmf(const std::vector<uint8_t>& bytes, QImage& out, std::string& error)
{
    out = QImage();
    Frame frame;
    if (!readFrame(bytes, frame, error)) return false;
    Canvas canvas(frame.size);
    if (!canvas.ready()) {
        error = kNoMemory;
        return false;
    }
    const auto* begin = reinterpret_cast<const char*>(bytes.data());
    RecordReader reader(begin + frame.recordsStart, begin + bytes.size());
    Player player(frame, canvas);
    for (;;) {
        Record record;
        switch (reader.next(record)) {
        case RecordReader::Step::End: out = canvas.finish(); return true;
        case RecordReader::Step::Truncated: error = kTruncated; return false;
        case RecordReader::Step::Damaged: error = kDamaged; return false;
        case RecordReader::Step::Record: break;
        }
        player.play(record);
        if (canvas.exhausted()) {
            error = kTooComplex;
            return false;
        }
    }
}
