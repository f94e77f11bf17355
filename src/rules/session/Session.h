// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The one record shared by every window for the whole run. Fields keep the
// names and widths the game has always used; the windows read and write them
// directly.

#include <array>
#include <cstdint>
#include <iterator>
#include <string>

// The genres a player chooses from, in the launcher's order: the name (also
// the word list's section), the picture file and the tile's colour, an index
// of the game's sixteen colours. A genre more or less is a line here.
struct Genre {
    const char* name;
    const char* picture;
    int tileColour;
};
// clang-format off
inline constexpr Genre Genres[] = {
    {"Animali",       "00.wmf", 4},
    {"Frutti",        "01.wmf", 5},
    {"Fiori",         "02.wmf", 6},
    {"Marche Auto",   "03.wmf", 7},
    {"Citta' Italia", "04.wmf", 8},
    {"Musica",        "05.wmf", 9},
    {"Computer",      "06.wmf", 10},
    {"In Cucina",     "07.wmf", 11},
};
// clang-format on
inline constexpr int GenreCount = static_cast<int>(std::size(Genres));

struct Session {
    // Genre tables, filled by the launcher at start-up; the slot past the
    // last genre stays empty.
    std::array<std::string, GenreCount + 1> GenreNames{};
    std::array<std::string, GenreCount + 1> GenreImageFiles{};

    int16_t GenreIndex = 0;
    std::string PlayerName; // code page 1252
    int32_t Score = 0;
    int16_t HelpPercent = 0;
    int16_t HelpPercentStart = 0; // -1 until the launcher first paints
    int16_t LetterBudget = 0;

    double StartTime = 0;      // seconds since midnight
    double RoundStart = 0;     // the steady clock's seconds at the same moment
    double ElapsedSeconds = 0; // whole seconds since then, on the steady clock

    // The board of the current round. Slot 0 of Words/BoxRows is always empty.
    int16_t WordCount = 0;
    std::array<std::string, 19> Words{};
    std::array<std::string, 19> BoxRows{};
    int16_t PoolSize = 0;
    std::string PoolLetters;
    std::string PoolRemaining;

    // Drag state.
    int16_t DragSlot = 0;
    int16_t TargetRow = 0;
    int16_t TargetColumn = 0;

    // 0 play, -1 deal gate open, 1..255 the code of the letter that belonged
    // where the game was lost. Read and written through the operations below.
    int16_t BoardState = 0;

    // The deal gate: a size change of the game window deals a round unless
    // play is on. It opens as the window maximizes and around each next deal.
    void openDealGate() { BoardState = -1; }
    void closeDealGate() { BoardState = 0; }
    bool dealGateOpen() const { return BoardState == -1; }
    bool inPlay() const { return BoardState == 0; }

    // A wrong letter ends the game; the letter that belonged there is kept
    // for the end message.
    void markLost(char expected) { BoardState = static_cast<unsigned char>(expected); }
    bool lost() const { return BoardState >= 1; }
    char lostLetter() const { return static_cast<char>(BoardState); }

    // The genre being played, as an index the genre tables always hold
    // (the empty slot past the last genre for anything out of range).
    size_t genreSlot() const
    {
        return GenreIndex >= 0 && GenreIndex < static_cast<int16_t>(GenreNames.size() - 1)
                   ? static_cast<size_t>(GenreIndex)
                   : GenreNames.size() - 1;
    }
};

// The picture file of genre t (0-based).
inline std::string genrePictureFile(int t)
{
    return Genres[t].picture;
}

// The genre tables the launcher fills in at start-up.
inline void fillGenreTables(Session& s)
{
    for (int t = 0; t < GenreCount; ++t) {
        s.GenreNames[static_cast<size_t>(t)] = Genres[t].name;
        s.GenreImageFiles[static_cast<size_t>(t)] = Genres[t].picture;
    }
}
