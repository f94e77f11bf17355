// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Dealing a round: pick the words of the chosen genre within the letter
// budget, reveal help letters, shuffle the rest into the pool. The deal only
// changes the session; the game window then draws the board from it.

#include "game/WordList.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Random.h"
#include "session/Session.h"

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
