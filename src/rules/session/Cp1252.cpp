// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "session/Cp1252.h"

namespace {
// Code page 1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t High[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                               0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                               0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
} // namespace

char16_t cp1252ToUnicode(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? High[byte - 0x80] : char16_t(byte);
}

int unicodeToCp1252(char32_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<int>(u);
    for (int i = 0; i < 32; ++i) {
        if (High[i] == u && u != 0xFFFD) return 0x80 + i;
    }
    return -1;
}

int composeCp1252(unsigned char base, char32_t mark)
{
    // No library for Unicode's composition: the code page's own letters come
    // from eight marks on a single base letter each, and this table holds
    // them all (the ligatures, the eth, the thorn, the sharp s and the
    // slashed o have no decomposed form).
    static constexpr struct {
        char32_t mark;
        const char* bases;
        const char* composed;
    } Marks[] = {
        {0x0300, "AEIOUaeiou", "\xC0\xC8\xCC\xD2\xD9\xE0\xE8\xEC\xF2\xF9"},           // grave
        {0x0301, "AEIOUYaeiouy", "\xC1\xC9\xCD\xD3\xDA\xDD\xE1\xE9\xED\xF3\xFA\xFD"}, // acute
        {0x0302, "AEIOUaeiou", "\xC2\xCA\xCE\xD4\xDB\xE2\xEA\xEE\xF4\xFB"},           // circumflex
        {0x0303, "ANOano", "\xC3\xD1\xD5\xE3\xF1\xF5"},                               // tilde
        {0x0308, "AEIOUYaeiouy", "\xC4\xCB\xCF\xD6\xDC\x9F\xE4\xEB\xEF\xF6\xFC\xFF"}, // diaeresis
        {0x030A, "Aa", "\xC5\xE5"},                                                   // ring
        {0x030C, "SZsz", "\x8A\x8E\x9A\x9E"},                                         // caron
        {0x0327, "Cc", "\xC7\xE7"},                                                   // cedilla
    };
    for (const auto& m : Marks) {
        if (m.mark != mark) continue;
        for (int i = 0; m.bases[i] != '\0'; ++i)
            if (static_cast<unsigned char>(m.bases[i]) == base) return static_cast<unsigned char>(m.composed[i]);
        return -1;
    }
    return -1;
}

std::string upperCp1252(std::string s)
{
    for (char& ch : s) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 'a' && c <= 'z') c -= 32;
        else if (c >= 0xE0 && c <= 0xFE && c != 0xF7) c -= 32;
        else if (c == 0x9A || c == 0x9C || c == 0x9E) c -= 16; // s, oe, z with caron
        else if (c == 0xFF) c = 0x9F;                          // y with diaeresis
        ch = static_cast<char>(c);
    }
    return s;
}

std::string blankControls(std::string s)
{
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
    return s;
}

std::string trimBlanks(const std::string& s)
{
    size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}
