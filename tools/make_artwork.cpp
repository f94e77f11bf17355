// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Draws the pictures compiled into Parolix: the window icon (the menu
// icon's drawing, ParolixIcon.h, at 32 pixels), the hand pointer, the about
// box's emblem and its waving flag. The PNGs it writes are
// committed under resources/; run it again only to change the artwork:
//
//   cmake --build <build> --target make_artwork && <build>/tools/make_artwork resources
#include "ParolixIcon.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>

namespace {

// Everything soft is drawn four times larger and scaled down, for smooth
// edges at the small final sizes.
constexpr int Over = 4;

QImage canvas(int w, int h, int scale = Over)
{
    QImage img(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QImage shrink(const QImage& big, int w, int h)
{
    return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_ARGB32);
}

// One letter card: a cream tile with a bevel, a drop shadow and a letter.
void drawCard(QPainter& p, QRectF r, double angle, QChar letter, QColor ink, double unit)
{
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    QRectF c(-r.width() / 2, -r.height() / 2, r.width(), r.height());
    double radius = r.width() * 0.12;

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(c.translated(unit * 2.5, unit * 3), radius, radius);

    QLinearGradient face(c.topLeft(), c.bottomRight());
    face.setColorAt(0, QColor(255, 250, 228));
    face.setColorAt(1, QColor(236, 214, 160));
    p.setBrush(face);
    p.setPen(QPen(QColor(120, 84, 40), unit * 1.2));
    p.drawRoundedRect(c, radius, radius);

    // A thin inner bevel line, as on a wooden game tile.
    p.setPen(QPen(QColor(255, 255, 255, 170), unit * 0.8));
    p.setBrush(Qt::NoBrush);
    QRectF bevel = c.adjusted(unit * 2.5, unit * 2.5, -unit * 2.5, -unit * 2.5);
    p.drawRoundedRect(bevel, radius * 0.7, radius * 0.7);

    QFont f("Liberation Serif");
    f.setBold(true);
    f.setPixelSize(static_cast<int>(c.height() * 0.62));
    p.setFont(f);
    p.setPen(ink);
    p.drawText(c.adjusted(0, -c.height() * 0.02, 0, 0), Qt::AlignCenter, QString(letter));
    p.restore();
}

QImage makeEmblem()
{
    const int w = 90, h = 114;
    QImage big = canvas(w, h);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    double u = Over;
    drawCard(p, QRectF(4 * u, 8 * u, 50 * u, 62 * u), -11, QChar('P'), QColor(176, 20, 20), u);
    drawCard(p, QRectF(34 * u, 40 * u, 50 * u, 62 * u), 9, QChar('X'), QColor(20, 50, 150), u);
    p.end();
    return shrink(big, w, h);
}

// The waving tricolour on a short pole, transparent around it.
QImage makeFlag()
{
    const int w = 60, h = 47;
    QImage big = canvas(w, h);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = Over;

    // Pole with a gilded knob.
    QLinearGradient pole(QPointF(2 * u, 0), QPointF(5 * u, 0));
    pole.setColorAt(0, QColor(150, 110, 60));
    pole.setColorAt(0.5, QColor(210, 170, 110));
    pole.setColorAt(1, QColor(110, 75, 35));
    p.setPen(Qt::NoPen);
    p.setBrush(pole);
    p.drawRect(QRectF(2.5 * u, 4 * u, 2.5 * u, 42.5 * u));
    QRadialGradient knob(QPointF(3.3 * u, 2.6 * u), 2.5 * u);
    knob.setColorAt(0, QColor(255, 240, 150));
    knob.setColorAt(1, QColor(190, 140, 20));
    p.setBrush(knob);
    p.drawEllipse(QPointF(3.75 * u, 3 * u), 2.4 * u, 2.4 * u);

    // The cloth, column by column: the wave grows away from the pole and the
    // folds are shaded by their slope.
    const double left = 5 * u, right = 58.5 * u, top = 6 * u, height = 28 * u;
    const QColor bands[3] = {QColor(0, 140, 69), QColor(246, 246, 240), QColor(205, 33, 42)};
    auto waveAt = [&](double x) {
        double t = (x - left) / (right - left);
        return 3.2 * u * t * std::sin(2 * M_PI * (1.25 * t + 0.1)) + 1.5 * u * t;
    };
    for (int x = static_cast<int>(left); x <= static_cast<int>(right); ++x) {
        double t = (x - left) / (right - left);
        double dy = waveAt(x);
        double slope = waveAt(x + 1) - dy;
        int band = std::min(2, static_cast<int>(t * 3));
        QColor c = bands[band];
        double shade = std::clamp(1.0 - slope * 0.9, 0.72, 1.18);
        c = QColor::fromRgbF(std::clamp(c.redF() * shade, 0.0, 1.0), std::clamp(c.greenF() * shade, 0.0, 1.0),
                             std::clamp(c.blueF() * shade, 0.0, 1.0));
        p.fillRect(QRectF(x, top + dy, 1.0, height), c);
    }
    // A fine outline keeps the white band visible on a white ground.
    QPainterPath edge;
    edge.moveTo(left, top + waveAt(left));
    for (double x = left; x <= right; x += 1) edge.lineTo(x, top + waveAt(x));
    for (double x = right; x >= left; x -= 1) edge.lineTo(x, top + height + waveAt(x));
    edge.closeSubpath();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 90, 90, 200), 0.9 * u));
    p.drawPath(edge);
    p.end();
    return shrink(big, w, h);
}

// The hand pointer: black outline, white inside, nothing else; the index
// finger points up with its tip at (12, 6), the hot spot.
QImage makeHand()
{
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    // Drawn pixel by pixel: '#' black, 'o' white, anything else transparent.
    static const char* const rows[32] = {
        "................................", //  0
        "................................", //  1
        "................................", //  2
        "................................", //  3
        "................................", //  4
        "................................", //  5
        "...........##...................", //  6
        "..........#oo#..................", //  7
        "..........#oo#..................", //  8
        "..........#oo#..................", //  9
        "..........#oo#..................", // 10
        "..........#oo#..................", // 11
        "..........#oo###................", // 12
        "..........#oo#oo##..............", // 13
        "..........#oo#oo#o##............", // 14
        "..........#oo#oo#oo#o#..........", // 15
        "..........#oo#oo#oo#oo#.........", // 16
        "......###.#oo#oo#oo#oo#.........", // 17
        "......#oo##ooooooooooo#.........", // 18
        "......#ooo#ooooooooooo#.........", // 19
        ".......#oo#ooooooooooo#.........", // 20
        ".......#ooooooooooooooo#........", // 21
        "........#oooooooooooooo#........", // 22
        "........#oooooooooooooo#........", // 23
        ".........#oooooooooooo#.........", // 24
        ".........#oooooooooooo#.........", // 25
        "..........#oooooooooo#..........", // 26
        "..........#oooooooooo#..........", // 27
        "..........############..........", // 28
        "................................", // 29
        "................................", // 30
        "................................", // 31
    };
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            char c = rows[y][x];
            if (c == '#') img.setPixel(x, y, qRgba(0, 0, 0, 255));
            else if (c == 'o') img.setPixel(x, y, qRgba(255, 255, 255, 255));
        }
    return img;
}

bool save(const QImage& img, const QString& folder, const char* name)
{
    QString path = folder + "/" + QString::fromLatin1(name);
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), img.width(), img.height());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    bool ok = save(parolix_icon::draw(32), folder, "icon.png") && save(makeHand(), folder, "hand.png") &&
              save(makeEmblem(), folder, "emblem.png") && save(makeFlag(), folder, "flag.png");
    return ok ? 0 : 1;
}
