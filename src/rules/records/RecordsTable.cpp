// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "records/RecordsTable.h"

#include "session/Cp1252.h"
#include "session/Numbers.h"

#include <algorithm>

namespace {

constexpr size_t NameWidth = 10;   // columns 1-10, column 11 always a blank
constexpr size_t ScoreColumn = 11; // column 12, counted from 0
constexpr size_t GenreColumn = 19; // column 20, counted from 0
constexpr int TableSize = RecordsKept;
constexpr int SlotsRead = RecordsKept + 1; // a line more is kept for the list only

// A field must not break the line it is written into, nor shift a column.
std::string oneLine(std::string s)
{
    return blankControls(std::move(s));
}

} // namespace

std::string formatRecordLine(const std::string& name, int32_t score, const std::string& genre)
{
    std::string line = oneLine(name.substr(0, NameWidth));
    line.resize(ScoreColumn, ' ');
    // Eight columns hold the score. A wider one (no game comes near it) is
    // still written whole: a score is never written as another number.
    line += std::to_string(score);
    if (line.size() < GenreColumn) line.resize(GenreColumn, ' ');
    line += oneLine(genre);
    return line;
}

RecordEntry parseRecordLine(std::string_view line)
{
    RecordEntry e;
    e.name = std::string(line.substr(0, NameWidth));
    if (line.size() > ScoreColumn) e.score = toInt32(LeadingNumber(line.substr(ScoreColumn)));
    if (line.size() > GenreColumn) e.genre = std::string(line.substr(GenreColumn));
    // Every line is written anew from its three fields, the score rounded to
    // a whole number ("7.6" becomes 8). A score wider than its columns runs
    // into the genre's, so its line written anew would read back as another
    // whole number: such a line is written back as it stands.
    const auto number = [](std::string_view l) {
        return roundHalfEven(l.size() > ScoreColumn ? LeadingNumber(l.substr(ScoreColumn)) : 0.0);
    };
    if (number(formatRecordLine(e.name, e.score, e.genre)) != number(line)) e.kept = std::string(line);
    return e;
}

Result<RecordLines> RecordsTable::UpdateRecords(const Session& s, Files& files)
{
    // Everything below may be undone when the file cannot be saved.
    const RecordsTable before = *this;
    Result<RecordLines> out{{RecordsTitle}};
    // Read, entry and rewrite are one step: another copy of the game ending
    // a game at the same moment waits, then enters its score into ours.
    const Error e = files.underLock(RecordsFile, [&] { return enterScore(s, files, out.value); });
    if (e != Error::None) {
        *this = before;
        out.error = e;
    }
    return out;
}

Error RecordsTable::enterScore(const Session& s, Files& files, RecordLines& shown)
{
    // A folder where the file cannot be created still gets its list; the
    // rewrite below then reports the failure.
    (void)files.touch(RecordsFile); // a failure shows in what follows

    RecordCount = 0;
    const Error read = files.readLines(
        RecordsFile,
        [&](std::string_view line) {
            if (RecordCount < SlotsRead) {
                ++RecordCount;
                RecordEntry e = parseRecordLine(line);
                RecordNames[RecordCount] = std::move(e.name);
                RecordScores[RecordCount] = e.score;
                RecordGenres[RecordCount] = std::move(e.genre);
                KeptLines[RecordCount] = std::move(e.kept);
            }
            shown.emplace_back(line);
            return shown.size() <= MaxListedLines;
        },
        4096, FileKind::Own);
    // Rewriting what could not be read would throw the records away, and a
    // file far larger than the game writes is no records file of ours.
    if (read != Error::None && read != Error::NotFound) return read;

    if (RecordCount > TableSize) RecordCount = TableSize;

    // Every one of the slots takes part: a slot the file did not fill
    // holds what the table still has (an empty entry with score 0 at first),
    // so a short or new file still takes the game's score.
    for (int i = 1; i <= TableSize; ++i) {
        if (s.Score > RecordScores[i]) {
            for (int j = TableSize; j > i; --j) {
                RecordNames[j] = RecordNames[j - 1];
                RecordScores[j] = RecordScores[j - 1];
                RecordGenres[j] = RecordGenres[j - 1];
                KeptLines[j] = KeptLines[j - 1];
            }
            RecordNames[i] = s.PlayerName;
            RecordScores[i] = s.Score;
            RecordGenres[i] = s.GenreNames[s.genreSlot()];
            KeptLines[i].clear();
            break;
        }
    }

    std::vector<std::string> lines;
    for (int i = 1; i <= TableSize; ++i)
        lines.push_back(KeptLines[i].empty() ? formatRecordLine(RecordNames[i], RecordScores[i], RecordGenres[i])
                                             : KeptLines[i]);
    return files.rewrite(RecordsFile, lines);
}

Result<RecordLines> readRecordLines(Files& files)
{
    (void)files.touch(RecordsFile); // a failure shows in what follows
    Result<RecordLines> out{{RecordsTitle}};
    const Error read = files.readLines(
        RecordsFile,
        [&](std::string_view line) {
            out.value.emplace_back(line);
            return out.value.size() <= MaxListedLines;
        },
        4096, FileKind::Own);
    // No file at all (the folder would not let it be created) shows the title alone.
    if (read != Error::None && read != Error::NotFound) out.error = read;
    return out;
}
