// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Dealing a round: pick the words of the chosen genre within the letter
// budget, reveal help letters, shuffle the rest into the pool. The deal only
// changes the session; the game window then draws the board from it.

#include "platform/Clock.h"
#include "platform/Files.h"
#include "session/Session.h"

#include <array>
#include <string>

// The word list "lexorda.DAT": sections headed by a line that starts with the
// byte 16 followed by the genre name; every other line is one word.

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

inline constexpr int WordAttempts = 21;
inline constexpr int MaxBoardWords = 7;

struct Dealer {
    Files& files;
    Random& random;
    Clock& clock;
    GenreWords words; // kept between deals

    // Deals a round while the deal gate is open: value true once a new round
    // stands in the session (possibly with no words). With the gate closed
    // nothing happens. Fails when the word list cannot be read; the budget and
    // help percentage have moved on by then, the board is left as it was.
    Result<bool> deal(Session& s);
};

// Help letters of the word just added as row `row`: reveals them in BoxRows.
void revealHelpLetters(Session& s, int row, Random& random);

// The word's pool piece: the word with every revealed box blanked.
std::string poolPiece(const std::string& word, const std::string& boxes);
