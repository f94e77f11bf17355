// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "session/Numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace {

// The characters that the reader skips wherever they stand.
bool ignorable(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// A cursor over the text that steps over ignorable characters.
struct Cursor {
    std::string_view t;
    size_t i = 0;
    void skip()
    {
        while (i < t.size() && ignorable(t[i])) ++i;
    }
    char peek()
    {
        skip();
        return i < t.size() ? t[i] : '\0';
    }
    void next() { ++i; }
};

int digitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

double readBase(Cursor& c, int base)
{
    double v = 0;
    while (digitValue(c.peek()) < base) {
        v = v * base + digitValue(c.peek());
        c.next();
    }
    return v;
}

} // namespace

double LeadingNumber(std::string_view text)
{
    Cursor c{text};
    if (c.peek() == '&') {
        c.next();
        char k = c.peek();
        if (k == 'H' || k == 'h') {
            c.next();
            return readBase(c, 16);
        }
        if (k == 'O' || k == 'o') {
            c.next();
            return readBase(c, 8);
        }
        return 0;
    }
    // Converted by hand: the C library would follow the locale's decimal point.
    bool neg = false;
    if (c.peek() == '+' || c.peek() == '-') {
        neg = c.peek() == '-';
        c.next();
    }
    double mant = 0;
    long exp10 = 0;
    bool digits = false;
    auto digit = [&](bool fraction) {
        int d = c.peek() - '0';
        c.next();
        digits = true;
        if (mant < 1e300) {
            mant = mant * 10 + d;
            if (fraction) --exp10;
        } else if (!fraction) ++exp10; // digits past what a double holds
    };
    while (c.peek() >= '0' && c.peek() <= '9') digit(false);
    if (c.peek() == '.') {
        c.next();
        while (c.peek() >= '0' && c.peek() <= '9') digit(true);
    }
    if (!digits) return 0;
    char e = c.peek();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        c.next();
        bool eneg = false;
        if (c.peek() == '+' || c.peek() == '-') {
            eneg = c.peek() == '-';
            c.next();
        }
        long e10 = 0;
        while (c.peek() >= '0' && c.peek() <= '9') {
            e10 = std::min(e10 * 10 + (c.peek() - '0'), 100000L);
            c.next();
        }
        exp10 += eneg ? -e10 : e10;
    }
    // Dividing keeps short decimals such as 60.5 exact.
    double v = mant == 0   ? 0
               : exp10 < 0 ? mant / std::pow(10.0, static_cast<double>(-exp10))
                           : mant * std::pow(10.0, static_cast<double>(exp10));
    if (!std::isfinite(v)) v = std::numeric_limits<double>::max();
    return neg ? -v : v;
}

double roundHalfEven(double v)
{
    if (!std::isfinite(v)) return v;
    return std::nearbyint(v); // the default rounding mode is to nearest, ties to even
}

int16_t saturate16(long long v)
{
    if (v > INT16_MAX) return INT16_MAX;
    if (v < INT16_MIN) return INT16_MIN;
    return static_cast<int16_t>(v);
}

int32_t saturate32(long long v)
{
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(v);
}

namespace {
long long clampToLL(double v)
{
    if (std::isnan(v)) return 0;
    if (v >= 9.0e18) return static_cast<long long>(9.0e18);
    if (v <= -9.0e18) return static_cast<long long>(-9.0e18);
    return static_cast<long long>(v);
}
} // namespace

int16_t toInt16(double v)
{
    return saturate16(clampToLL(roundHalfEven(v)));
}
int32_t toInt32(double v)
{
    return saturate32(clampToLL(roundHalfEven(v)));
}
int32_t floorToInt32(double v)
{
    return saturate32(clampToLL(std::floor(v)));
}

std::string signPlace(long long v)
{
    std::string text = v < 0 ? "" : " ";
    text += std::to_string(v);
    return text;
}
