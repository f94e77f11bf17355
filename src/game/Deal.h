#pragma once
// Dealing a round: pick the words of the chosen genre within the letter
// budget, reveal help letters, shuffle the rest into the pool.

#include "game/BoardPainter.h"
#include "game/WordList.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Random.h"
#include "session/Session.h"

enum class DealOutcome {
    Skipped,     // the deal gate was closed: nothing happened
    Dealt,       // a new round stands on the board (possibly with no words)
    NoWordList,  // the word list is missing or unreadable
};

inline constexpr int WordAttempts = 21;
inline constexpr int MaxBoardWords = 7;

struct Dealer {
    Files& files;
    Random& random;
    Clock& clock;
    BoardPainter& painter;
    GenreWords words; // kept between deals

    DealOutcome deal(Session& s, Error* error = nullptr);
};

// Help letters of the word just added as row `row`: reveals them in BoxRows.
void revealHelpLetters(Session& s, int row, Random& random);

// The word's pool piece: the word with every revealed box blanked.
std::string poolPiece(const std::string& word, const std::string& boxes);
