#pragma once
// The table of the ten best scores and its file "LexOrda.Sco": fixed columns,
// name 1-11, score 12-19, genre from 20, best first.

#include "platform/Files.h"
#include "session/Session.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr const char* RecordsFile = "LexOrda.Sco";
inline constexpr const char* RecordsTitle = "TABELLA RECORDS";

// What the records list shows: the title, then the file's lines as they stand.
struct RecordLines {
    std::vector<std::string> items; // items[0] is the title
    FileError error = FileError::None;
};

// Kept for the whole run, across games.
struct RecordsTable {
    std::array<std::string, 12> RecordNames{};
    std::array<int32_t, 12> RecordScores{};
    std::array<std::string, 12> RecordGenres{};
    int16_t RecordCount = 0;

    // Reads the file, enters the game's score where it beats an entry and
    // rewrites the file whole. Returns the lines read, for the list.
    // On a write failure the old file stays as it was and error says so.
    RecordLines UpdateRecords(const Session& s, Files& files);
};

// The list's lines straight from the file (creating it empty when missing).
RecordLines readRecordLines(Files& files);

// One line of the file.
std::string formatRecordLine(const std::string& name, int32_t score, const std::string& genre);

// The message shown when the records could not be saved.
std::string recordsSaveFailedMessage();
