// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Draws the desktop icons: two letter tiles as the board shows them, yellow
// with a dark-blue edge and a black letter. Writes the PNGs of the icon theme
// sizes and an SVG of the same shapes, committed under dist/icons/:
//
//   cmake --build <build> --target make_icons && <build>/tools/make_icons dist/icons
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QDir>
#include <QTextStream>

#include <cmath>
#include <cstdio>

namespace {

constexpr const char* IconName = "org.example.parolix";
constexpr int Design = 256; // the shapes are laid out on this square
constexpr int Sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

const QColor Fill(255, 255, 0), Edge(0, 0, 128), Ink(0, 0, 0);
constexpr double EdgeWidth = 8;

struct Tile {
    QRectF box;
    QChar letter;
};
// Portrait tiles as on the board, the second a step lower, as if being laid.
const Tile Tiles[] = {{QRectF(10, 16, 114, 160), QChar('P')}, {QRectF(132, 80, 114, 160), QChar('X')}};

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

// The tile's edge drawn inside its box on whole pixels, so that even the
// 16-pixel icon shows a sharp one-pixel outline.
QRect pixelBox(const QRectF& box, double k)
{
    const int l = static_cast<int>(std::lround(box.left() * k)), t = static_cast<int>(std::lround(box.top() * k));
    const int r = static_cast<int>(std::lround(box.right() * k)), b = static_cast<int>(std::lround(box.bottom() * k));
    return QRect(QPoint(l, t), QPoint(r - 1, b - 1));
}

QImage drawIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    const double k = double(size) / Design;
    const int edge = std::max(1, static_cast<int>(std::lround(EdgeWidth * k)));
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

QString num(double v) { return QString::number(v, 'f', 2).remove(QRegularExpression("\\.?0+$")); }

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
            d += "C" + num(e.x) + " " + num(e.y) + " " + num(c2.x) + " " + num(c2.y) + " " + num(end.x) +
                 " " + num(end.y);
            i += 2;
        }
    }
    return d + "Z";
}

QString drawSvg()
{
    QString s;
    QTextStream out(&s);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Design << "\" height=\"" << Design
        << "\" viewBox=\"0 0 " << Design << " " << Design << "\">\n";
    for (const Tile& t : Tiles) {
        const QRectF& b = t.box;
        out << "  <rect x=\"" << num(b.x()) << "\" y=\"" << num(b.y()) << "\" width=\"" << num(b.width())
            << "\" height=\"" << num(b.height()) << "\" fill=\"" << Edge.name() << "\"/>\n";
        const QRectF in = b.adjusted(EdgeWidth, EdgeWidth, -EdgeWidth, -EdgeWidth);
        out << "  <rect x=\"" << num(in.x()) << "\" y=\"" << num(in.y()) << "\" width=\"" << num(in.width())
            << "\" height=\"" << num(in.height()) << "\" fill=\"" << Fill.name() << "\"/>\n";
        const QPainterPath letter = letterPath(t);
        out << "  <path fill=\"" << Ink.name() << "\" fill-rule=\""
            << (letter.fillRule() == Qt::OddEvenFill ? "evenodd" : "nonzero") << "\" d=\"" << svgPath(letter)
            << "\"/>\n";
    }
    out << "</svg>\n";
    return s;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString root = (argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")) + "/hicolor/";
    bool ok = true;
    for (int size : Sizes) {
        const QString folder = root + QString("%1x%1/apps").arg(size);
        QDir().mkpath(folder);
        const QString path = folder + "/" + IconName + ".png";
        if (!drawIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok = false;
        } else {
            std::printf("%s\n", qPrintable(path));
        }
    }
    QDir().mkpath(root + "scalable/apps");
    ok = writeFile(root + "scalable/apps/" + IconName + ".svg", drawSvg().toUtf8()) && ok;
    return ok ? 0 : 1;
}
