// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ParolixIcon.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace parolix_icon {
namespace {

const QColor Fill(255, 255, 0), Edge(0, 0, 128), Ink(0, 0, 0), Rim(255, 255, 255);

// The outline design, on a 256-pixel square.
constexpr int Design = 256;
constexpr double EdgeWidth = 8, RimWidth = 6;
struct Tile {
    QRectF box; // the dark-blue edge's outer line
    QChar letter;
};
const Tile Tiles[] = {{QRectF(10, 16, 114, 160), QChar('P')}, {QRectF(132, 80, 114, 160), QChar('X')}};

// The small sizes, pixel by pixel: each tile's edge box (inclusive pixels) and
// a letter bitmap centred in it, '#' ink. A font's letter shrunk to five
// pixels smudges; these stay two readable letters.
struct SmallTile {
    QRect box;
    const char* const* glyph;
    int glyphWidth, glyphHeight;
};
const char* const P3x7[] = {"###", "#.#", "#.#", "###", "#..", "#..", "#.."};
const char* const X3x7[] = {"#.#", "#.#", "#.#", ".#.", "#.#", "#.#", "#.#"};
const char* const P5x7[] = {"####.", "##.##", "##.##", "####.", "##...", "##...", "##..."};
const char* const X5x7[] = {"##.##", "##.##", ".###.", "..#..", ".###.", "##.##", "##.##"};
const char* const P6x8[] = {"#####.", "##..##", "##..##", "#####.", "##....", "##....", "##....", "##...."};
const char* const X6x8[] = {"##..##", "##..##", ".####.", "..##..", "..##..", ".####.", "##..##", "##..##"};
struct SmallIcon {
    int size;
    SmallTile tiles[2];
};
const SmallIcon SmallIcons[] = {
    {16, {{QRect(QPoint(1, 1), QPoint(7, 11)), P3x7, 3, 7}, {QRect(QPoint(8, 4), QPoint(14, 14)), X3x7, 3, 7}}},
    {22, {{QRect(QPoint(1, 1), QPoint(9, 15)), P5x7, 5, 7}, {QRect(QPoint(12, 6), QPoint(20, 20)), X5x7, 5, 7}}},
    {24, {{QRect(QPoint(1, 1), QPoint(10, 16)), P6x8, 6, 8}, {QRect(QPoint(13, 7), QPoint(22, 22)), X6x8, 6, 8}}},
};

QImage drawSmall(const SmallIcon& icon)
{
    QImage img(icon.size, icon.size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    // Both rims first, so that where they meet neither covers a tile.
    for (const SmallTile& t : icon.tiles) p.fillRect(t.box.adjusted(-1, -1, 1, 1), Rim);
    for (const SmallTile& t : icon.tiles) {
        p.fillRect(t.box, Edge);
        const QRect inside = t.box.adjusted(1, 1, -1, -1);
        p.fillRect(inside, Fill);
        const int left = inside.left() + (inside.width() - t.glyphWidth) / 2;
        const int top = inside.top() + (inside.height() - t.glyphHeight) / 2;
        for (int y = 0; y < t.glyphHeight; ++y)
            for (int x = 0; x < t.glyphWidth; ++x)
                if (t.glyph[y][x] == '#') p.fillRect(left + x, top + y, 1, 1, Ink);
    }
    p.end();
    return img;
}

// The letter as an outline, centred in its tile by its own ink, so the SVG
// needs no font and both pictures agree.
QPainterPath letterPath(const Tile& t)
{
    QFont f("Liberation Mono");
    f.setBold(true);
    f.setPixelSize(400);
    QPainterPath glyph;
    glyph.addText(0, 0, f, QString(t.letter));
    const QRectF ink = glyph.boundingRect();
    const double scale = t.box.height() * 0.6 / ink.height();
    QTransform m;
    m.translate(t.box.center().x(), t.box.center().y());
    m.scale(scale, scale);
    m.translate(-ink.center().x(), -ink.center().y());
    return m.map(glyph);
}

// A box of the design on whole pixels of an icon k times its size, so that
// every edge is sharp.
QRect pixelBox(const QRectF& box, double k)
{
    const int l = static_cast<int>(std::lround(box.left() * k)), t = static_cast<int>(std::lround(box.top() * k));
    const int r = static_cast<int>(std::lround(box.right() * k)), b = static_cast<int>(std::lround(box.bottom() * k));
    return QRect(QPoint(l, t), QPoint(r - 1, b - 1));
}

QImage drawLarge(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    const double k = double(size) / Design;
    const int edge = std::max(1, static_cast<int>(std::lround(EdgeWidth * k)));
    const int rim = std::max(1, static_cast<int>(std::lround(RimWidth * k)));
    for (const Tile& t : Tiles) p.fillRect(pixelBox(t.box, k).adjusted(-rim, -rim, rim, rim), Rim);
    for (const Tile& t : Tiles) {
        const QRect outer = pixelBox(t.box, k);
        p.fillRect(outer, Edge);
        p.fillRect(outer.adjusted(edge, edge, -edge, -edge), Fill);
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(k, k);
        p.fillPath(letterPath(t), Ink);
        p.restore();
    }
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

QString num(double v)
{
    return QString::number(v, 'f', 2).remove(QRegularExpression("\\.?0+$"));
}

QString svgPath(const QPainterPath& path)
{
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            if (i > 0) d += "Z";
            d += "M" + num(e.x) + " " + num(e.y);
        } else if (e.isLineTo()) {
            d += "L" + num(e.x) + " " + num(e.y);
        } else if (e.isCurveTo()) {
            const auto c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
            d += "C" + num(e.x) + " " + num(e.y) + " " + num(c2.x) + " " + num(c2.y) + " " + num(end.x) + " " +
                 num(end.y);
            i += 2;
        }
    }
    return d + "Z";
}

void svgRect(QTextStream& out, const QRectF& r, const QColor& c)
{
    out << "  <rect x=\"" << num(r.x()) << "\" y=\"" << num(r.y()) << "\" width=\"" << num(r.width()) << "\" height=\""
        << num(r.height()) << "\" fill=\"" << c.name() << "\"/>\n";
}

} // namespace

QImage draw(int size)
{
    for (const SmallIcon& icon : SmallIcons)
        if (icon.size == size) return drawSmall(icon);
    return drawLarge(size);
}

QString svg()
{
    QString s;
    QTextStream out(&s);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Design << "\" height=\"" << Design
        << "\" viewBox=\"0 0 " << Design << " " << Design << "\">\n";
    for (const Tile& t : Tiles) svgRect(out, t.box.adjusted(-RimWidth, -RimWidth, RimWidth, RimWidth), Rim);
    for (const Tile& t : Tiles) {
        svgRect(out, t.box, Edge);
        svgRect(out, t.box.adjusted(EdgeWidth, EdgeWidth, -EdgeWidth, -EdgeWidth), Fill);
        const QPainterPath letter = letterPath(t);
        out << "  <path fill=\"" << Ink.name() << "\" fill-rule=\""
            << (letter.fillRule() == Qt::OddEvenFill ? "evenodd" : "nonzero") << "\" d=\"" << svgPath(letter)
            << "\"/>\n";
    }
    out << "</svg>\n";
    return s;
}

} // namespace parolix_icon
