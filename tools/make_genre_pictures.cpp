// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Writes the eight genre pictures, data/00.wmf to data/07.wmf, with
// libUEMF's metafile writer: placeable metafiles of 105 x 97 pixels
// (1575 x 1455 twips), drawn with polygons, ellipses, rectangles and lines.
//
//   make_genre_pictures [output folder, default "data"]
//
// Coordinates below are in pixels of the finished picture.

#include "MetafilePicture.h"
#include "session/Session.h"

namespace {

using namespace genre_art;

// A band across an ellipse between two x positions, its sides bowed by
// `bow` pixels at the middle, cut to the inside of the ellipse: the white
// bands of a clownfish.
std::vector<P> bandInEllipse(double cx, double cy, double rx, double ry, double x0, double x1, double bow = 0)
{
    auto halfHeight = [&](double x) {
        const double u = std::clamp((x - cx) / rx, -1.0, 1.0);
        return ry * std::sqrt(1 - u * u) * 0.99;
    };
    auto side = [&](double x, double s) { // s from 0 (top) to 1 (bottom)
        const double bowed = x + bow * std::sin(kPi * s);
        const double h = halfHeight(bowed);
        return P{bowed, cy - h + 2 * h * s};
    };
    std::vector<P> out;
    const int steps = 14;
    for (int i = 0; i <= steps; ++i) out.push_back(side(x0, double(i) / steps));
    for (int i = steps; i >= 0; --i) out.push_back(side(x1, double(i) / steps));
    return out;
}

// ---------------------------------------------------------------------------
// The pictures

void fish(Picture& p) // Animali
{
    p.flat(rgb(0x7FCBEF)).rect(0, 0, kWidth, kHeight);
    p.flat(rgb(0x5DB3E3)).rect(0, 46, kWidth, kHeight);
    p.flat(rgb(0xE9D38A)).ellipse(52, 100, 70, 14); // sand
    // Seaweed
    p.paint(rgb(0x2E9E4F), rgb(0x1D6B34), 0.8)
        .polygon({{8, 97}, {4, 80}, {10, 66}, {6, 52}, {12, 40}, {14, 54}, {11, 68}, {15, 82}, {14, 97}});
    p.polygon({{92, 97}, {95, 82}, {90, 70}, {96, 58}, {99, 66}, {96, 74}, {101, 86}, {99, 97}});
    // Bubbles
    p.paint(rgb(0xCFEFFF), rgb(0xFFFFFF), 0.8).circle(22, 20, 3.2).circle(15, 11, 2.2).circle(24, 5, 1.6);
    // Tail and fins behind the body
    const Color orange = rgb(0xFF7A1A), edge = rgb(0x7A2E00);
    p.paint(orange, edge, 1.1).polygon({{74, 48}, {97, 29}, {92, 48}, {97, 67}});
    p.polygon({{36, 32}, {49, 19}, {62, 22}, {64, 32}});
    p.polygon({{44, 63}, {52, 75}, {60, 63}});
    // Body with white bands, as a clownfish
    const double cx = 48, cy = 48, rx = 30, ry = 18;
    p.paint(orange, edge, 1.2).ellipse(cx, cy, rx, ry);
    p.paint(rgb(0xFFFFFF), rgb(0x222222), 0.9).polygon(bandInEllipse(cx, cy, rx, ry, 29, 35.5, 3));
    p.polygon(bandInEllipse(cx, cy, rx, ry, 48, 55, 3.5));
    p.polygon(bandInEllipse(cx, cy, rx, ry, 67, 72, 2));
    p.noFill().outline(edge, 1.2).ellipse(cx, cy, rx, ry);
    // Side fin, eye, mouth
    p.paint(rgb(0xFF9A3D), edge, 0.9).tiltedEllipse(44, 53, 6, 3, -30);
    p.paint(rgb(0xFFFFFF), rgb(0x222222), 0.8).circle(26, 43, 4.6);
    p.flat(rgb(0x111111)).circle(25, 43, 2.4);
    p.flat(rgb(0xFFFFFF)).circle(24.2, 42.2, 0.8);
    p.noFill().outline(edge, 1.0).polyline({{19, 52}, {22, 53.5}, {25, 53}});
}

void apple(Picture& p) // Frutti
{
    p.flat(rgb(0xFFF1B8)).rect(0, 0, kWidth, kHeight);
    // Tablecloth
    p.flat(rgb(0xFFFFFF)).rect(0, 80, kWidth, kHeight);
    p.flat(rgb(0xE84A4A));
    for (int i = 0; i < 7; ++i) p.rect(i * 16, 80, i * 16 + 8, 88).rect(i * 16 + 8, 88, i * 16 + 16, 97);
    p.flat(rgb(0xA83434)).ellipse(53, 84, 30, 4.5); // shadow
    // Body: two lobes and a filled-in bottom, edged together, then filled
    // again to hide the seams; a darker crescent shades the right side.
    const Color red = rgb(0xD81E2A), edge = rgb(0x6E0A10), shade = rgb(0xAE1420);
    p.paint(red, edge, 1.6).ellipse(42.5, 55, 25, 28).ellipse(62.5, 55, 25, 28).ellipse(52.5, 66, 26, 17);
    p.flat(shade).ellipse(62.5, 55, 24.2, 27.2).ellipse(52.5, 66, 25.2, 16.2);
    p.flat(red).ellipse(58, 53, 23, 26).ellipse(42.5, 55, 24.2, 27.2).ellipse(48, 64, 22, 15);
    p.flat(rgb(0xFF8C8C)).tiltedEllipse(33, 45, 4.5, 9, -25);
    p.flat(rgb(0xFFD0D0)).circle(31, 40, 1.6);
    // Stem and leaf
    p.paint(rgb(0x7A4A22), rgb(0x3E240E), 0.8).polygon({{50, 31}, {53.5, 31}, {57, 12}, {54, 11}});
    p.paint(rgb(0x43B047), rgb(0x1E5E22), 1.0).tiltedEllipse(68, 17, 12, 5.5, 20);
    p.noFill().outline(rgb(0x1E5E22), 0.9).line({58, 20}, {78, 13});
}

void flower(Picture& p) // Fiori
{
    p.flat(rgb(0xBFE7FF)).rect(0, 0, kWidth, kHeight);
    p.flat(rgb(0xFFF6B0)).circle(92, 12, 8); // sun
    p.flat(rgb(0x79C850)).rect(0, 80, kWidth, kHeight);
    p.flat(rgb(0x5FAE3C)).ellipse(20, 84, 30, 6).ellipse(88, 86, 26, 5);
    // Stem and leaves
    const Color green = rgb(0x2F9A3A), dark = rgb(0x1C5E24);
    p.paint(green, dark, 0.8).polygon({{50.5, 50}, {54.5, 50}, {55.5, 96}, {50, 96}});
    p.tiltedEllipse(41, 76, 11, 4.5, 35).tiltedEllipse(65, 70, 11, 4.5, -35);
    // Petals round the heart
    const double cx = 52, cy = 36;
    p.paint(rgb(0xFF5FA8), rgb(0xB0125F), 1.0);
    for (int i = 0; i < 8; ++i) {
        const double a = i * 45 * kPi / 180;
        p.tiltedEllipse(cx + 15 * std::cos(a), cy - 15 * std::sin(a), 11, 6, i * 45.0);
    }
    p.flat(rgb(0xFF9CCB));
    for (int i = 0; i < 8; ++i) {
        const double a = i * 45 * kPi / 180;
        p.tiltedEllipse(cx + 16 * std::cos(a), cy - 16 * std::sin(a), 5, 2.2, i * 45.0);
    }
    p.paint(rgb(0xFFD21F), rgb(0xC77700), 1.2).circle(cx, cy, 9);
    p.flat(rgb(0xE59A00))
        .circle(cx - 3, cy - 2, 1.3)
        .circle(cx + 3, cy + 1, 1.3)
        .circle(cx, cy + 4, 1.3)
        .circle(cx + 1, cy - 4, 1.1);
}

void car(Picture& p) // Marche Auto
{
    p.flat(rgb(0xCDEBFF)).rect(0, 0, kWidth, kHeight);
    p.flat(rgb(0xFFFFFF)).ellipse(22, 16, 13, 6).ellipse(32, 13, 10, 6).ellipse(80, 22, 12, 5);
    p.flat(rgb(0x9BD27A)).rect(0, 60, kWidth, 72);
    p.flat(rgb(0x5E5E66)).rect(0, 72, kWidth, kHeight);
    p.flat(rgb(0xFFFFFF));
    for (int i = 0; i < 5; ++i) p.rect(i * 24 + 2, 87, i * 24 + 14, 89.5);
    // Body and cabin
    const Color red = rgb(0xE3262E), edge = rgb(0x5A0A0E);
    p.paint(red, edge, 1.2).polygon({{26, 47}, {36, 30}, {70, 30}, {82, 47}});
    p.roundRect(7, 45, 99, 71, 7);
    p.flat(red).rect(27, 44, 81, 48); // joins cabin and body
    // Windows
    p.paint(rgb(0xA9DCFF), rgb(0x3C6E91), 0.9).polygon({{31, 46}, {39, 33}, {52, 33}, {52, 46}});
    p.polygon({{56, 46}, {56, 33}, {68, 33}, {77, 46}});
    // Door, handle, lights, bumpers
    p.noFill().outline(edge, 0.9).line({54, 48}, {54, 68}).line({30, 48}, {30, 66});
    p.flat(rgb(0x222222)).rect(45, 52, 50, 53.6);
    p.paint(rgb(0xFFF07A), rgb(0x8A7A00), 0.8).ellipse(95, 53, 3.2, 2.6);
    p.flat(rgb(0xFF8A00)).rect(7.5, 50, 11, 55);
    p.flat(rgb(0xB8B8C0)).roundRect(88, 63, 101, 67, 2).roundRect(5, 63, 16, 67, 2);
    // Wheels
    for (double x : {28.0, 78.0}) {
        p.paint(rgb(0x1C1C1C), rgb(0x000000), 0.8).circle(x, 71, 10);
        p.paint(rgb(0xC9CDD4), rgb(0x6C7078), 0.8).circle(x, 71, 4.6);
    }
}

void pisa(Picture& p) // Citta' Italia: the leaning tower of Pisa
{
    p.flat(rgb(0x8FD0FF)).rect(0, 0, kWidth, kHeight);
    p.flat(rgb(0xFFFFFF)).ellipse(18, 18, 12, 5).ellipse(26, 15, 8, 5).ellipse(88, 30, 11, 4);
    p.flat(rgb(0x6CBF47)).rect(0, 86, kWidth, kHeight);
    p.flat(rgb(0x5AA83A)).ellipse(52, 89, 34, 3.5);
    // The tower leans about its foot
    const Color marble = rgb(0xF5EEDC), edge = rgb(0x8C7E5E), shade = rgb(0xDCD2B8), arch = rgb(0x6F6552);
    p.lean(6, P{52, 88});
    p.paint(marble, edge, 1.0).rect(40, 25, 64, 88); // shaft
    p.flat(shade).rect(57, 25.6, 63.4, 87.4);        // the shaded side
    p.paint(marble, edge, 1.0).rect(38, 80, 66, 88); // foot
    p.rect(43, 12, 61, 25);                          // bell chamber
    p.flat(shade).rect(56, 12.6, 60.4, 24.4);
    p.paint(rgb(0xC9B98F), edge, 0.9).rect(42, 9, 62, 12.5); // roof
    // Galleries: a cornice and a row of arches on each floor
    for (int floor = 0; floor < 6; ++floor) {
        const double y = 27 + floor * 9;
        p.paint(marble, edge, 0.8).rect(38.5, y + 6.5, 65.5, y + 8.5);
        p.flat(arch);
        for (int i = 0; i < 4; ++i) p.roundRect(42 + i * 5.6, y + 0.8, 44.6 + i * 5.6, y + 6.2, 1.2);
    }
    p.flat(arch);
    for (int i = 0; i < 3; ++i) p.roundRect(45.5 + i * 5.2, 15, 48 + i * 5.2, 22, 1.2);
    p.roundRect(50.5, 82, 53.5, 88, 1.4); // door
    p.upright();
}

void music(Picture& p) // Musica
{
    p.flat(rgb(0xFFF6DD)).rect(0, 0, kWidth, kHeight);
    // Staff
    p.noFill().outline(rgb(0x6A5A4A), 1.0);
    for (int i = 0; i < 5; ++i) p.line({0, 30.0 + i * 10}, {kWidth, 30.0 + i * 10});
    // Two eighth notes joined by a beam
    const Color ink = rgb(0x1B1B3A);
    p.flat(ink).tiltedEllipse(31, 72, 9, 6.4, 25).tiltedEllipse(71, 62, 9, 6.4, 25);
    p.rect(37.2, 24, 40.2, 70).rect(77.2, 14, 80.2, 60);
    p.polygon({{37.2, 22}, {80.2, 12}, {80.2, 20}, {37.2, 30}});
    p.polygon({{37.2, 32}, {80.2, 22}, {80.2, 27}, {37.2, 37}});
    // A small red quarter note and coloured sparkles for cheer
    p.flat(rgb(0xD8263C)).tiltedEllipse(93, 44, 5.6, 4, 25).rect(96.8, 20, 98.6, 43);
    p.flat(rgb(0xF2B21B))
        .polygon({{12, 6}, {13.6, 10.4}, {18, 12}, {13.6, 13.6}, {12, 18}, {10.4, 13.6}, {6, 12}, {10.4, 10.4}});
    p.flat(rgb(0x2C8CE0))
        .polygon({{56, 80}, {57.2, 83.8}, {61, 85}, {57.2, 86.2}, {56, 90}, {54.8, 86.2}, {51, 85}, {54.8, 83.8}});
}

void computer(Picture& p) // Computer
{
    p.flat(rgb(0xE6EEF7)).rect(0, 0, kWidth, kHeight);
    p.flat(rgb(0xB27C4E)).rect(0, 76, kWidth, kHeight);
    p.flat(rgb(0x94603A)).rect(0, 76, kWidth, 78.5);
    // Monitor
    const Color casing = rgb(0xD7D9DD), edge = rgb(0x4A4E57);
    p.paint(casing, edge, 1.0).polygon({{45, 56}, {60, 56}, {63, 66}, {42, 66}});
    p.ellipse(52.5, 67, 16, 3.2);
    p.roundRect(14, 5, 91, 59, 4);
    p.paint(rgb(0x1F5FD6), rgb(0x12306B), 1.0).rect(20, 10, 85, 52);
    // Something on the screen: a window with lines of text
    p.flat(rgb(0x4F8DF5)).rect(20.6, 10.6, 84.4, 18);
    p.paint(rgb(0xFFFFFF), rgb(0x0E2A66), 0.8).rect(27, 22, 78, 47);
    p.flat(rgb(0x1F5FD6)).rect(27.5, 22.5, 77.5, 26);
    p.flat(rgb(0x8A9BB8));
    for (int i = 0; i < 4; ++i) p.rect(31, 30 + i * 4.2, 31 + (i % 2 ? 30 : 40), 31.8 + i * 4.2);
    p.flat(rgb(0x36C25A)).circle(84, 55.5, 1.4); // power light
    // Keyboard and mouse
    p.paint(rgb(0xC9CCD2), edge, 1.0).polygon({{12, 72}, {84, 72}, {90, 90}, {6, 90}});
    p.flat(rgb(0xF4F5F7));
    for (int row = 0; row < 3; ++row) {
        const double y = 74.5 + row * 4.6;
        const double left = 12 - (y - 72) / 3 + 2.5, right = 84 + (y - 72) / 3 - 2.5;
        const double key = (right - left - 9 * 1.3) / 10;
        for (int k = 0; k < 10; ++k) p.rect(left + k * (key + 1.3), y, left + k * (key + 1.3) + key, y + 3.2);
    }
    p.rect(30, 88.3 - 3.2, 66, 88.3); // space bar
    p.paint(rgb(0xE9EBEF), edge, 0.9).ellipse(98, 82, 4.5, 6.5);
    p.noFill().outline(edge, 0.8).line({98, 76}, {98, 81});
}

void pot(Picture& p) // In Cucina
{
    p.flat(rgb(0xFFF7E6)).rect(0, 0, kWidth, kHeight);
    p.noFill().outline(rgb(0xE3D6BB), 1.0);
    for (int i = 1; i < 8; ++i) p.line({i * 13.0, 0}, {i * 13.0, 80});
    for (int i = 1; i < 7; ++i) p.line({0, i * 13.0}, {kWidth, i * 13.0});
    // Stove and flames
    p.flat(rgb(0x3A3A40)).rect(0, 82, kWidth, kHeight);
    p.flat(rgb(0x24242A)).rect(0, 82, kWidth, 85);
    for (double x : {30.0, 44.0, 58.0, 72.0}) {
        p.flat(rgb(0x2F7CFF)).polygon({{x - 5, 87}, {x - 2, 80}, {x, 83}, {x + 2, 78}, {x + 5, 87}});
        p.flat(rgb(0xFFB21F)).polygon({{x - 2, 87}, {x, 82}, {x + 2, 87}});
    }
    // Steam
    p.noFill().outline(rgb(0xA9B4C2), 1.6);
    for (double x : {40.0, 52.0, 64.0}) p.polyline({{x, 20}, {x - 3, 16}, {x, 12}, {x + 3, 8}, {x, 4}});
    // Handles, body, rim, lid and knob
    const Color red = rgb(0xD7263D), edge = rgb(0x5E0C16);
    p.paint(rgb(0x2B2B2B), rgb(0x000000), 0.8).roundRect(6, 46, 22, 53, 3).roundRect(83, 46, 99, 53, 3);
    p.paint(red, edge, 1.2).roundRect(18, 40, 87, 80, 8);
    p.flat(rgb(0xA8182B)).rect(72, 44, 83, 76);
    p.flat(rgb(0xF07A88)).roundRect(24, 47, 30, 72, 3);
    p.paint(rgb(0xB51C31), edge, 1.0).roundRect(15, 37, 90, 44, 3);
    p.paint(red, edge, 1.2).chord(52.5, 38, 34, 14, 0, 180);
    p.flat(rgb(0xF07A88)).tiltedEllipse(36, 31, 6, 2, 20);
    p.paint(rgb(0x2B2B2B), rgb(0x000000), 0.8).roundRect(47, 19, 58, 26, 2.5);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : "data";
    // In the genres' order; a genre drawn by other means has no entry here.
    void (*const draw[])(Picture&) = {fish, apple, flower, car, pisa, music, computer, pot};
    static_assert(std::size(draw) <= GenreCount);
    for (int i = 0; i < static_cast<int>(std::size(draw)); ++i) {
        const std::string path = folder + "/" + genrePictureFile(i);
        Picture picture(path);
        draw[i](picture);
        picture.finish();
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
