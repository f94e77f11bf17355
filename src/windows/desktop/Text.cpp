// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/Text.h"

#include "session/Cp1252.h"

QString toUnicode(const std::string& cp1252)
{
    QString out;
    out.reserve(static_cast<qsizetype>(cp1252.size()));
    for (unsigned char c : cp1252) out += QChar(cp1252ToUnicode(c));
    return out;
}

std::string toCp1252(const QString& text)
{
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (QChar ch : text) {
        const int c = unicodeToCp1252(ch.unicode());
        out += c < 0 ? '?' : static_cast<char>(c);
    }
    return out;
}
