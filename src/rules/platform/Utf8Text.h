// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Text files that a Linux editor saved in UTF-8. Inside the game text is one
// byte per character in code page 1252; a file that is wholly valid UTF-8
// and holds at least one multi-byte sequence (which an Italian cp1252 file
// never is in practice) is turned into that code page as it is read.

#include <string>
#include <string_view>

// The text is wholly UTF-8 and holds a multi-byte sequence.
bool readsAsUtf8(std::string_view bytes);
std::string utf8ToCp1252(std::string_view bytes);
