// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The word list "lexorda.DAT": sections headed by a line that starts with the
// byte 16 followed by the genre name; every other line is one word.

#include "platform/Files.h"

#include <array>
#include <string>

inline constexpr const char* WordListFile = "lexorda.DAT";
inline constexpr char SectionMark = '\x10';
inline constexpr int MaxSectionWords = 101;
// Words longer than this are cut: no board has room for them anyway.
inline constexpr size_t MaxWordLength = 64;

// The words of the chosen genre. Slots past the last read keep what an earlier
// deal left there; they are never drawn.
struct GenreWords {
    std::array<std::string, MaxSectionWords> slot{};
};

// Reads the first section named exactly `genre` into words, from slot 0, and
// gives how many lines it stored (0..101). A longer section is cut at 101.
// Fails when the file is missing or cannot be read.
Result<int> readSection(Files& files, const std::string& genre, GenreWords& words);
