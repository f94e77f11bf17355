#pragma once
// The one record shared by every window for the whole run. Fields keep the
// names and widths the game has always used; the windows read and write them
// directly.

#include <array>
#include <cstdint>
#include <string>

struct Session {
    // Genre tables, filled by the launcher at start-up; slot 8 stays empty.
    std::array<std::string, 9> GenreNames{};
    std::array<std::string, 9> GenreImageFiles{};

    int16_t GenreIndex = 0;
    std::string PlayerName;            // code page 1252
    int32_t Score = 0;
    int16_t HelpPercent = 0;
    int16_t HelpPercentStart = 0;      // -1 until the launcher first paints
    int16_t LetterBudget = 0;

    double StartTime = 0;              // seconds since midnight
    double ElapsedSeconds = 0;         // whole seconds since StartTime

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

    // 0 idle, -1 deal gate open, 1..255 the code of the letter that belonged
    // where the game was lost.
    int16_t BoardState = 0;
};

// The genre table the launcher fills in at start-up.
void fillGenreTables(Session& s);

// The picture file of genre t: "00.wmf" for genre 0.
std::string genrePictureFile(int t);
