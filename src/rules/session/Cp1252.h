// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Text inside the game is one byte per character in code page 1252.
#include <string>
#include <string_view>

// Upper case in code page 1252: a-z, the accented letters and the few extra
// letters of 0x80..0x9F; the sharp s and y with diaeresis keep their form
// where the code page has no capital.
std::string upperCp1252(std::string s);
std::string trimBlanks(const std::string& s); // leading and trailing spaces only

// Control characters (codes below 32, and 127) become blanks: in a name they
// would break a line of a file, shift a column or cut a window title.
std::string blankControls(std::string s);

// The Unicode character of a code page 1252 byte; the five bytes the code
// page leaves unassigned give U+FFFD.
char16_t cp1252ToUnicode(unsigned char byte);

// The code page 1252 byte of a Unicode character, or -1 when it has none.
int unicodeToCp1252(char32_t u);

// The code page 1252 letter that a base letter (a code page byte) and a
// combining mark after it make, as Unicode's composition (NFC) makes it; -1
// when the code page has no such letter. Some input methods and macOS write
// "\u00CB" as "E" and U+0308.
int composeCp1252(unsigned char base, char32_t mark);
