// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A placeable Windows Metafile written with libUEMF's writer, drawn in
// pixels of the finished picture (105 x 97) and stored in twips, 15 a
// pixel, so that fractions of a pixel survive. Used by make_genre_pictures.

#include <uwmf.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace genre_art {

constexpr int kWidth = 105;
constexpr int kHeight = 97;
constexpr int kTwips = 15;
constexpr double kPi = 3.14159265358979323846;

struct P {
    double x, y;
};

struct Color {
    uint8_t r, g, b;
};

inline Color rgb(unsigned hex)
{
    return Color{uint8_t(hex >> 16), uint8_t(hex >> 8), uint8_t(hex)};
}

inline int16_t twips(double pixels)
{
    return static_cast<int16_t>(std::lround(pixels * kTwips));
}
inline U_POINT16 at(P p)
{
    return U_POINT16{twips(p.x), twips(p.y)};
}

// One metafile being written. Shapes use the current fill and outline;
// each change makes a new brush or pen and deletes the one it replaces,
// so the object table stays small.
class Picture {
public:
    explicit Picture(const std::string& path)
    {
        if (wmf_start(path.c_str(), 1 << 16, 1 << 16, &wt_) || wmf_htable_create(16, 16, &wht_)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            std::exit(1);
        }
        U_PAIRF inches{float(kWidth * kTwips) / 1440, float(kHeight * kTwips) / 1440};
        wmf_header_append(reinterpret_cast<U_METARECORD*>(U_WMRHEADER_set(&inches, 1440)), wt_, 1);
        append(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC));
        append(U_WMRSETWINDOWORG_set(U_POINT16{0, 0}));
        append(U_WMRSETWINDOWEXT_set(U_POINT16{kWidth * kTwips, kHeight * kTwips}));
        append(U_WMRSETBKMODE_set(U_TRANSPARENT));
        append(U_WMRSETPOLYFILLMODE_set(U_WINDING));
    }

    void finish()
    {
        if (brush_) append(wdeleteobject_set(&brush_, wht_));
        if (pen_) append(wdeleteobject_set(&pen_, wht_));
        append(U_WMREOF_set());
        if (wmf_finish(wt_)) {
            std::fprintf(stderr, "cannot finish a picture\n");
            std::exit(1);
        }
        wmf_free(&wt_);
        wmf_htable_free(&wht_);
    }

    // Fill colour; outline colour and width in pixels (0 for none).
    Picture& fill(Color c)
    {
        uint32_t made = 0;
        append(wcreatebrushindirect_set(&made, wht_, U_WLOGBRUSH_set(U_BS_SOLID, U_RGB(c.r, c.g, c.b), 0)));
        swap(brush_, made);
        return *this;
    }
    Picture& noFill()
    {
        uint32_t made = 0;
        append(wcreatebrushindirect_set(&made, wht_, U_WLOGBRUSH_set(U_BS_NULL, U_RGB(0, 0, 0), 0)));
        swap(brush_, made);
        return *this;
    }
    Picture& outline(Color c, double width)
    {
        uint32_t made = 0;
        const uint16_t style = U_PS_SOLID | U_PS_ENDCAP_ROUND | U_PS_JOIN_ROUND;
        append(wcreatepenindirect_set(&made, wht_, U_PEN_set(style, uint16_t(twips(width)), U_RGB(c.r, c.g, c.b))));
        swap(pen_, made);
        return *this;
    }
    Picture& noOutline()
    {
        uint32_t made = 0;
        append(wcreatepenindirect_set(&made, wht_, U_PEN_set(U_PS_NULL, 0, U_RGB(0, 0, 0))));
        swap(pen_, made);
        return *this;
    }
    // Fill and outline in one go: a solid shape edged in a darker colour.
    Picture& paint(Color body, Color edge, double width = 1.0) { return fill(body).outline(edge, width); }
    Picture& flat(Color body) { return fill(body).noOutline(); }

    // Later shapes lean by this many degrees (clockwise) about a point.
    Picture& lean(double degrees, P pivot)
    {
        lean_ = degrees * kPi / 180;
        pivot_ = pivot;
        return *this;
    }
    Picture& upright() { return lean(0, P{0, 0}); }

    Picture& rect(double x0, double y0, double x1, double y1)
    {
        if (lean_ != 0) return polygon({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
        append(U_WMRRECTANGLE_set(box(x0, y0, x1, y1)));
        return *this;
    }
    Picture& roundRect(double x0, double y0, double x1, double y1, double radius)
    {
        if (lean_ != 0) return polygon(roundedOutline(x0, y0, x1, y1, radius));
        append(U_WMRROUNDRECT_set(twips(2 * radius), twips(2 * radius), box(x0, y0, x1, y1)));
        return *this;
    }
    Picture& ellipse(double cx, double cy, double rx, double ry)
    {
        if (lean_ != 0) return tiltedEllipse(cx, cy, rx, ry, 0);
        append(U_WMRELLIPSE_set(box(cx - rx, cy - ry, cx + rx, cy + ry)));
        return *this;
    }
    Picture& circle(double cx, double cy, double r) { return ellipse(cx, cy, r, r); }
    // An ellipse turned by degrees (counter-clockwise), as a polygon.
    Picture& tiltedEllipse(double cx, double cy, double rx, double ry, double degrees)
    {
        const double a = degrees * kPi / 180;
        std::vector<P> points;
        for (int i = 0; i < 48; ++i) {
            const double t = 2 * kPi * i / 48;
            const double x = rx * std::cos(t), y = -ry * std::sin(t);
            points.push_back({cx + x * std::cos(a) + y * std::sin(a), cy - x * std::sin(a) + y * std::cos(a)});
        }
        return polygon(points);
    }
    // The part of an ellipse between two angles (degrees, counter-clockwise
    // from three o'clock), closed by its chord.
    Picture& chord(double cx, double cy, double rx, double ry, double from, double to)
    {
        append(U_WMRCHORD_set(at(onEllipse(cx, cy, rx, ry, from)), at(onEllipse(cx, cy, rx, ry, to)),
                              box(cx - rx, cy - ry, cx + rx, cy + ry)));
        return *this;
    }
    Picture& pie(double cx, double cy, double rx, double ry, double from, double to)
    {
        append(U_WMRPIE_set(at(onEllipse(cx, cy, rx, ry, from)), at(onEllipse(cx, cy, rx, ry, to)),
                            box(cx - rx, cy - ry, cx + rx, cy + ry)));
        return *this;
    }
    Picture& polygon(const std::vector<P>& points)
    {
        const std::vector<U_POINT16> stored = place(points);
        append(U_WMRPOLYGON_set(uint16_t(stored.size()), stored.data()));
        return *this;
    }
    Picture& polyline(const std::vector<P>& points)
    {
        const std::vector<U_POINT16> stored = place(points);
        append(U_WMRPOLYLINE_set(uint16_t(stored.size()), stored.data()));
        return *this;
    }
    Picture& line(P from, P to)
    {
        const std::vector<U_POINT16> stored = place({from, to});
        append(U_WMRMOVETO_set(stored[0]));
        append(U_WMRLINETO_set(stored[1]));
        return *this;
    }

private:
    void append(char* record)
    {
        if (!record || wmf_append(reinterpret_cast<U_METARECORD*>(record), wt_, 1)) {
            std::fprintf(stderr, "cannot add a record\n");
            std::exit(1);
        }
    }
    // Selects the new object and deletes the one it replaces.
    void swap(uint32_t& current, uint32_t made)
    {
        append(wselectobject_set(made, wht_));
        if (current) append(wdeleteobject_set(&current, wht_));
        current = made;
    }
    P leaned(P p) const
    {
        if (lean_ == 0) return p;
        const double dx = p.x - pivot_.x, dy = p.y - pivot_.y;
        return {pivot_.x + dx * std::cos(lean_) - dy * std::sin(lean_),
                pivot_.y + dx * std::sin(lean_) + dy * std::cos(lean_)};
    }
    std::vector<U_POINT16> place(const std::vector<P>& points) const
    {
        std::vector<U_POINT16> out;
        for (const P& p : points) out.push_back(at(leaned(p)));
        return out;
    }
    static U_RECT16 box(double x0, double y0, double x1, double y1)
    {
        return U_RECT16{twips(x0), twips(y0), twips(x1), twips(y1)};
    }
    static P onEllipse(double cx, double cy, double rx, double ry, double degrees)
    {
        const double a = degrees * kPi / 180;
        return {cx + rx * std::cos(a), cy - ry * std::sin(a)};
    }
    static std::vector<P> roundedOutline(double x0, double y0, double x1, double y1, double r)
    {
        std::vector<P> points;
        const P corners[4] = {{x1 - r, y0 + r}, {x0 + r, y0 + r}, {x0 + r, y1 - r}, {x1 - r, y1 - r}};
        for (int c = 0; c < 4; ++c)
            for (int i = 0; i <= 6; ++i) {
                const double a = (c * 90 + i * 15) * kPi / 180;
                points.push_back({corners[c].x + r * std::cos(a), corners[c].y - r * std::sin(a)});
            }
        return points;
    }

    WMFTRACK* wt_ = nullptr;
    WMFHANDLES* wht_ = nullptr;
    uint32_t brush_ = 0;
    uint32_t pen_ = 0;
    double lean_ = 0;
    P pivot_{0, 0};
};

} // namespace genre_art
