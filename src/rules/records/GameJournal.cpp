// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "records/GameJournal.h"

#include <charconv>
#include <limits>

namespace {

constexpr const char* Heading = "Parolix partita ";
constexpr size_t FieldMax = 64;

bool field(const std::string& line, const std::string& key, std::string& value)
{
    if (line.rfind(key, 0) != 0) return false;
    value = line.substr(key.size());
    if (value.empty() || value.size() > FieldMax) return false;
    for (const char c : value)
        if (static_cast<unsigned char>(c) < 32 || c == 127) return false;
    return true;
}

bool knownGenre(const std::string& genre)
{
    Session names;
    fillGenreTables(names);
    for (int g = 0; g < GenreCount; ++g)
        if (names.GenreNames[static_cast<size_t>(g)] == genre) return true;
    return false;
}

} // namespace

std::vector<std::string> journalLines(const JournalEntry& entry)
{
    return {Heading + std::to_string(JournalVersion), "Nome=" + entry.name, "Punti=" + std::to_string(entry.score),
            "Genere=" + entry.genre};
}

JournalReading parseJournal(const std::vector<std::string>& lines, JournalEntry& entry)
{
    if (lines.empty() || lines[0].rfind(Heading, 0) != 0) return JournalReading::Damaged;
    const std::string version = lines[0].substr(std::string(Heading).size());
    if (version != std::to_string(JournalVersion)) {
        int number = 0;
        const auto [end, ec] = std::from_chars(version.data(), version.data() + version.size(), number);
        const bool aNumber = ec == std::errc() && end == version.data() + version.size();
        return aNumber ? JournalReading::OtherVersion : JournalReading::Damaged;
    }
    std::string score;
    JournalEntry read;
    if (lines.size() != 4 || !field(lines[1], "Nome=", read.name) || !field(lines[2], "Punti=", score) ||
        !field(lines[3], "Genere=", read.genre) || !knownGenre(read.genre))
        return JournalReading::Damaged;
    const auto [end, ec] = std::from_chars(score.data(), score.data() + score.size(), read.score);
    if (ec != std::errc() || end != score.data() + score.size() || read.score <= 0) return JournalReading::Damaged;
    entry = read;
    return JournalReading::Valid;
}

GameJournal::GameJournal(Files& files, const std::string& runId) : files_(files), name_(JournalPrefix + runId)
{
}

void GameJournal::keep(const Session& s)
{
    // The lock before the note: no other copy may take a note of a game
    // that runs. Without one (a folder that takes no file), no note.
    if (!held_) {
        if (files_.holdNote(name_, true, hold_) != Error::None) return;
        held_ = true;
    }
    // Unseen by the player: a note that cannot be written leaves this
    // game's score to the ending the game sees, as ever.
    (void)files_.rewriteNote(name_, journalLines({s.PlayerName, s.Score, s.GenreNames[s.genreSlot()]}));
}

void GameJournal::drop()
{
    if (!held_) return;
    held_ = false;
    (void)files_.removeNote(name_, std::move(hold_));
}

namespace {

void recoverOne(Files& files, RecordsTable& records, const std::string& name, JournalRecovery& found)
{
    std::unique_ptr<FileHold> hold;
    // Busy: its game still runs. NotFound: no lock can be taken, so it
    // cannot be told from a running game's.
    if (files.holdNote(name, true, hold) != Error::None) return;
    std::vector<std::string> lines;
    const Error read = files.readNote(name, [&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    if (read == Error::NotFound) return; // taken by another start meanwhile
    JournalEntry entry;
    const JournalReading reading = read == Error::None ? parseJournal(lines, entry) : JournalReading::Damaged;
    if (reading != JournalReading::Valid) {
        const std::string aside = SetAsidePrefix + name.substr(std::string(JournalPrefix).size());
        if (read == Error::None && files.rewriteNote(aside, lines) == Error::None &&
            files.removeNote(name, std::move(hold)) == Error::None)
            found.setAside.push_back(aside);
        else found.unreadable.push_back(name);
        return;
    }
    // Removed before its score is entered: a note that cannot go would
    // otherwise be entered again at every start.
    if (files.removeNote(name, std::move(hold)) != Error::None) {
        found.unreadable.push_back(name);
        return;
    }
    Session s;
    s.PlayerName = entry.name;
    s.Score = entry.score;
    s.GenreNames[0] = entry.genre;
    const Result<RecordLines> saved = records.UpdateRecords(s, files);
    if (!saved.ok()) {
        // Kept for a later start, when the records may be writable again.
        (void)files.rewriteNote(name, lines);
        found.saveError = saved.error;
        return;
    }
    found.entered.push_back(entry);
}

} // namespace

JournalRecovery recoverJournals(Files& files, RecordsTable& records)
{
    JournalRecovery found;
    for (const std::string& name : files.notesStartingWith(JournalPrefix)) recoverOne(files, records, name, found);
    return found;
}
