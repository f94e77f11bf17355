// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Text inside the game is one byte per character in code page 1252; Qt shows
// and returns Unicode. These convert at that border, and upper-case the way
// the game always did.

#include <QString>
#include <string>

QString toUnicode(const std::string& cp1252);
// Characters that code page 1252 lacks become '?'.
std::string toCp1252(const QString& text);
