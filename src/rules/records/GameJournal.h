// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The game in progress, kept in a small hidden note beside the records, so
// that an ending the game never sees (the display gone, a kill, a power cut)
// does not lose its score: the next start enters it. Each game keeps its own
// note under its own lock, held while the game runs, so a second copy of the
// game never takes a note whose game is still going.

#include "platform/Files.h"
#include "records/RecordsTable.h"
#include "session/Session.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

inline constexpr const char* JournalPrefix = ".lexorda-partita-";
// A note that cannot be trusted is kept under this name's start instead.
inline constexpr const char* SetAsidePrefix = ".lexorda-scartata-";
inline constexpr int JournalVersion = 1;

struct JournalEntry {
    std::string name; // code page 1252, as the records write it
    int32_t score = 0;
    std::string genre; // one of the genres' names
};

std::vector<std::string> journalLines(const JournalEntry& entry);

enum class JournalReading { Valid, Damaged, OtherVersion };
// Only a note of this version, whose every field is one the game could have
// written, is Valid.
JournalReading parseJournal(const std::vector<std::string>& lines, JournalEntry& entry);

class GameJournal {
public:
    // `runId` tells this game from every other, of this copy or another.
    GameJournal(Files& files, const std::string& runId);

    // After each move that changes the score: the note holds it. The first
    // takes the note's lock, kept until drop() or the process ends.
    void keep(const Session& s);
    // The game has ended as the game sees it, recorded or not: no note.
    void drop();

    const std::string& noteName() const { return name_; }

private:
    Files& files_;
    std::string name_;
    std::unique_ptr<FileHold> hold_;
    bool held_ = false;
};

// What a start found of games that ended unseen.
struct JournalRecovery {
    std::vector<JournalEntry> entered;   // now in the records
    std::vector<std::string> setAside;   // notes that could not be trusted, kept under another name
    std::vector<std::string> unreadable; // notes that could not even be read, left where they are
    Error saveError = Error::None;       // the records could not take a score; its note stays
};

// Enters the score of every note whose game no longer runs into the records,
// once, and removes the note; a note of another version or damaged is set
// aside under SetAsidePrefix, never entered.
JournalRecovery recoverJournals(Files& files, RecordsTable& records);
