// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The table of the best scores and its file "LexOrda.Sco": fixed columns,
// name 1-11, score 12-19, genre from 20, best first.

#include "platform/Files.h"
#include "session/Session.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* RecordsFile = "LexOrda.Sco";
inline constexpr const char* RecordsTitle = "TABELLA RECORDS";
// The best scores kept: the file's lines, and the list's rows under its title.
inline constexpr int RecordsKept = 10;

// What the records list shows: the title, then the file's lines as they stand.
using RecordLines = std::vector<std::string>; // [0] is the title

// Kept for the whole run, across games.
struct RecordsTable {
    // Slot 0 unused, 1 to RecordsKept the table, one more read for the list.
    std::array<std::string, RecordsKept + 2> RecordNames{};
    std::array<int32_t, RecordsKept + 2> RecordScores{};
    std::array<std::string, RecordsKept + 2> RecordGenres{};
    int16_t RecordCount = 0;
    // The line as it stood in the file, for an entry whose score does not
    // fit its columns: it is written back unchanged. Empty for the others.
    std::array<std::string, RecordsKept + 2> KeptLines{};

    // Reads the file, enters the game's score where it beats an entry and
    // rewrites the file whole. Gives the lines read, for the list, also when
    // it fails: a file that cannot be read is not rewritten, and on a write
    // failure the old file stays as it was.
    // The RecordsKept slots all take part in the entry, a slot the file did not fill
    // counting with what the table holds; a failed save leaves the table as
    // it was before the call.
    // Another copy of the game saving at the same moment is waited for;
    // one that holds the file too long fails the save (Busy).
    Result<RecordLines> UpdateRecords(const Session& s, Files& files);

private:
    Error enterScore(const Session& s, Files& files, RecordLines& shown);
};

// The list's lines straight from the file (creating it empty when missing).
// A file that cannot be read, or is far larger than the game writes, gives
// its error with the lines read before it.
Result<RecordLines> readRecordLines(Files& files);

// One line of the file.
std::string formatRecordLine(const std::string& name, int32_t score, const std::string& genre);

// The list shows at most this many lines of the file (each at most the
// default line length of Files::readLines); a file longer than that is cut.
inline constexpr size_t MaxListedLines = 1000;

// One line of the file read back into its three fields.
struct RecordEntry {
    std::string name;  // columns 1-10, trailing blanks kept
    int32_t score = 0; // the number at column 12, 0 when none
    std::string genre; // from column 20
    std::string kept;  // the line itself when the three fields written anew
                       // would read back as another score; else empty
};
RecordEntry parseRecordLine(std::string_view line);
