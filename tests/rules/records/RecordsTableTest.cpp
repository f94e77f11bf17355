// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The records table: the line's columns, where a new score lands, and what
// reading and rewriting do with odd files.
#include "RecordsTestData.h"
#include "doubles/RulesDoubles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

std::vector<std::string> fileLines(MemoryFiles& files)
{
    std::vector<std::string> out;
    (void)files.readLines(RecordsFile, [&](std::string_view l) {
        out.emplace_back(l);
        return true;
    });
    return out;
}

} // namespace

// Name in columns 1-10 and a blank, the score in 12-19, the genre from 20.
TEST(RecordLine, FixedColumns)
{
    struct Case {
        const char* name;
        int32_t score;
        const char* genre;
        std::string line;
    };
    const Case cases[] = {
        {"ANONIMO", 125, "Animali", "ANONIMO    125     Animali"},
        {"", 0, "", EmptyEntry},
        {"ABCDEFGHIJ", 7, "X", "ABCDEFGHIJ 7       X"},   // ten characters leave exactly one blank
        {"ABCDEFGHIJKL", 7, "X", "ABCDEFGHIJ 7       X"}, // longer names are cut to ten
        {"ROSSI", 12345678, "In Cucina", "ROSSI      12345678In Cucina"},
        {"N", -40, "G", "N          -40     G"},
        // Wider scores are written whole, never as another number.
        {"N", 2147483647, "G", "N          2147483647G"},
        {"N", -2147483647 - 1, "G", "N          -2147483648G"},
        // A line break inside a field would split the entry in two; a tab
        // would shift the columns.
        {"A\rB", 1, "G\nH", "A B        1       G H"},
        {"A\tB\x1B", 1, "G", "A B        1       G"},
    };
    for (const Case& c : cases) EXPECT_EQ(formatRecordLine(c.name, c.score, c.genre), c.line) << c.line;
}

TEST(RecordLine, ReadBack)
{
    struct Case {
        const char* line;
        std::string name;
        int32_t score;
        const char* genre; // null: not looked at
    };
    const Case cases[] = {
        {"ANONIMO    125     Animali", "ANONIMO   ", 125, "Animali"},
        {"ROSSI      12345678In Cucina", "ROSSI     ", 12345678, "In Cucina"},
        // Short lines: score 0 below 12 characters, empty genre below 20.
        {"BREVE", "BREVE", 0, ""},
        // The edges of the columns: eleven characters hold no score, twelve
        // a one-digit one; nineteen no genre, twenty a one-letter one.
        {"ABCDEFGHIJ ", "ABCDEFGHIJ", 0, ""},
        {"ABCDEFGHIJ 7", "ABCDEFGHIJ", 7, ""},
        {"N          7       ", "N         ", 7, ""},
        {"N          7       G", "N         ", 7, "G"},
        {"N          -9999999G", "N         ", -9999999, "G"},
        {"NOME        4 2", "NOME      ", 42, ""}, // blanks inside the number are skipped
        {"NOME       abc     G", "NOME      ", 0, "G"},
        // Beyond 32 bits the score saturates.
        {"N          99999999999G", "N         ", 2147483647, nullptr},
        {"N          -99999999999", "N         ", -2147483647 - 1, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const RecordEntry e = parseRecordLine(c.line);
        EXPECT_EQ(e.name, c.name);
        EXPECT_EQ(e.score, c.score);
        if (c.genre) {
            EXPECT_EQ(e.genre, c.genre);
        }
    }
}

// A score is written back as the same whole number: one the fixed columns
// hold is written anew in them (rounded, halves to even), a wider one keeps
// its line as it stood (its digits run into the genre's columns), moving
// with its entry.
TEST(UpdateRecords, EveryScoreIsWrittenBackAsTheSameNumber)
{
    const struct {
        const char* read;
        const char* written;
    } cases[] = {
        {"MAX        2147483647 Animali", "MAX        2147483647 Animali"},
        {"BIG        12345678901234567890 Frutti", "BIG        12345678901234567890 Frutti"},
        {"NOVE       123456789 Animali", "NOVE       123456789 Animali"},
        {"MIN        -2147483648 Fiori", "MIN        -2147483648 Fiori"},
        {"OTTO       99999999Animali", "OTTO       99999999Animali"},
        {"ESADEC     &HFF    Sport", "ESADEC     255     Sport"},
        {"SPAZI       4 2    Fiori", "SPAZI      42      Fiori"},
        // Rounded to a whole number, halves to the even one.
        {"DECIMI     7.6     Frutti", "DECIMI     8       Frutti"},
        {"META       2.5     Frutti", "META       2       Frutti"},
    };
    MemoryFiles files;
    std::string file;
    for (const auto& c : cases) file += std::string(c.read) + "\r\n";
    files.content["LexOrda.Sco"] = file;
    Session s;
    fillGenreTables(s);
    s.PlayerName = "NUOVO";
    s.Score = 300; // above the last six
    RecordsTable table;
    ASSERT_TRUE(table.UpdateRecords(s, files).ok());
    std::vector<std::string> want;
    for (const auto& c : cases) want.emplace_back(c.written);
    want.insert(want.begin() + 3, "NUOVO      300     Animali");
    want.resize(RecordsKept, EmptyEntry);
    EXPECT_EQ(fileLines(files), want);
}

// Where a new score lands: above every lower entry, below every equal one
// (equal scores never displace), the last dropped; a short file is padded
// with empty entries and takes a score below its own.
TEST(UpdateRecords, NewScoreTakesItsPlace)
{
    const std::vector<int32_t>& full = FullScores;
    struct Case {
        std::vector<int32_t> scores;
        int32_t score;
        int place; // 0-based line of the new entry, -1 for none
    };
    const int32_t last = full.back();
    for (const Case& c : {Case{full, full[0] + 1, 0}, Case{full, full[3], 4}, Case{full, last + 50, RecordsKept - 1},
                          Case{full, last, -1}, Case{full, last / 2, -1}, Case{{300, 200, 100}, 10, 3}}) {
        SCOPED_TRACE(c.score);
        MemoryFiles files;
        const auto before = entriesWith(c.scores);
        files.content["LexOrda.Sco"] = joinCrLf(before);
        RecordsTable table;
        Result<RecordLines> shown = table.UpdateRecords(gameEnd("MARIO", c.score), files);

        EXPECT_EQ(shown.error, Error::None);
        ASSERT_EQ(shown.value.size(), before.size() + 1);
        EXPECT_EQ(shown.value[0], "TABELLA RECORDS");
        EXPECT_EQ(shown.value[1], before[0]); // the list shows the file as read

        std::vector<std::string> expected = before;
        expected.resize(RecordsKept, EmptyEntry);
        if (c.place >= 0) {
            expected.insert(expected.begin() + c.place, formatRecordLine("MARIO", c.score, "Marche Auto"));
            expected.resize(RecordsKept);
        }
        EXPECT_EQ(fileLines(files), expected);
        EXPECT_EQ(table.RecordCount, static_cast<int>(c.scores.size()));
        if (c.place >= 0) {
            EXPECT_EQ(table.RecordScores[c.place + 1], c.score);
        }
    }
}

TEST(UpdateRecords, NotHigherThanAnyStillReformats)
{
    MemoryFiles files;
    // Hand-edited lines: a plus sign, leading zeros, a short line, blanks
    // inside the digits, a missing genre.
    std::vector<std::string> before = {"PRIMO      +0500   Animali",
                                       "SECONDO    0400    Frutta",
                                       "TERZO",
                                       "QUARTO     3 0 0   Sport",
                                       "QUINTO     200",
                                       "SESTO      100     Mestieri"};
    for (int i = 0; i < 4; ++i) before.push_back("ULTIMO     50      Sport");
    files.content["LexOrda.Sco"] = joinCrLf(before);
    RecordsTable table;
    EXPECT_TRUE(table.UpdateRecords(gameEnd("ZERO", 0), files).ok()); // 0 never enters over a 0

    std::vector<std::string> expected = {"PRIMO      500     Animali", "SECONDO    400     Frutta",
                                         "TERZO      0       ",        "QUARTO     300     Sport",
                                         "QUINTO     200     ",        "SESTO      100     Mestieri"};
    for (int i = 0; i < 4; ++i) expected.push_back("ULTIMO     50      Sport");
    expected.resize(std::max<size_t>(expected.size(), RecordsKept), EmptyEntry);
    EXPECT_EQ(fileLines(files), expected);
}

TEST(UpdateRecords, NewFileTakesTheFirstPositiveScore)
{
    MemoryFiles files;
    RecordsTable table;

    // First game of a run with no file and no points: empty entries only.
    Result<RecordLines> first = table.UpdateRecords(gameEnd("ANONIMO", 0), files);
    EXPECT_EQ(first.value, std::vector<std::string>{"TABELLA RECORDS"});
    EXPECT_EQ(fileLines(files), std::vector<std::string>(RecordsKept, EmptyEntry));

    // Next game with points enters on line 1.
    Result<RecordLines> second = table.UpdateRecords(gameEnd("ANONIMO", 125, 0), files);
    EXPECT_EQ(second.value.size(), RecordsKept + 1u);
    auto after = fileLines(files);
    ASSERT_EQ(after.size(), static_cast<size_t>(RecordsKept));
    EXPECT_EQ(after[0], "ANONIMO    125     Animali");
    for (size_t i = 1; i < after.size(); ++i) EXPECT_EQ(after[i], EmptyEntry);

    // A brand-new file and a positive score at the very first game end.
    MemoryFiles fresh;
    RecordsTable freshTable;
    EXPECT_TRUE(freshTable.UpdateRecords(gameEnd("ANONIMO", 30, 0), fresh).ok());
    auto lines = fileLines(fresh);
    ASSERT_EQ(lines.size(), static_cast<size_t>(RecordsKept));
    EXPECT_EQ(lines[0], "ANONIMO    30      Animali");
}

TEST(UpdateRecords, SlotsBeyondTheFileKeepWhatTheTableHolds)
{
    MemoryFiles files;
    files.content["LexOrda.Sco"] = joinCrLf(entriesWith(FullScores));
    RecordsTable table;
    EXPECT_TRUE(table.UpdateRecords(gameEnd("X", 0), files).ok());

    // The file is cut to two lines behind the game's back.
    const std::vector<int32_t>& full = FullScores;
    files.content["LexOrda.Sco"] = joinCrLf(entriesWith({full[0], full[1]}));
    const int32_t between = (full[5] + full[6]) / 2;
    EXPECT_TRUE(table.UpdateRecords(gameEnd("NUOVO", between), files).ok());
    auto after = fileLines(files);
    ASSERT_EQ(after.size(), static_cast<size_t>(RecordsKept));
    EXPECT_EQ(after[6], formatRecordLine("NUOVO", between, "Marche Auto"));
    EXPECT_EQ(after[5], formatRecordLine("F", full[5], "Animali"));
    const size_t last = after.size() - 1; // the entry before the table's last, moved down
    EXPECT_EQ(after[last], formatRecordLine(std::string(1, char('A' + last - 1)), full[last - 1], "Animali"));
}

TEST(UpdateRecords, EleventhLineShownThenDropped)
{
    MemoryFiles files;
    std::vector<int32_t> scores = FullScores;
    scores.push_back(50); // a line past the table
    auto lines = entriesWith(scores);
    files.content["LexOrda.Sco"] = joinCrLf(lines);
    RecordsTable table;
    Result<RecordLines> shown = table.UpdateRecords(gameEnd("X", 10), files);

    ASSERT_EQ(shown.value.size(), RecordsKept + 2u);
    EXPECT_EQ(shown.value[RecordsKept + 1], lines[RecordsKept]);
    EXPECT_EQ(table.RecordCount, RecordsKept);
    EXPECT_EQ(table.RecordScores[RecordsKept + 1], 50);
    auto after = fileLines(files);
    EXPECT_EQ(after, std::vector<std::string>(lines.begin(), lines.begin() + RecordsKept));
}

TEST(ShowRecords, FifteenLinesAllShown)
{
    MemoryFiles files;
    std::vector<std::string> lines;
    for (int i = 0; i < RecordsKept + 5; ++i) lines.push_back("riga " + std::to_string(i));
    files.content["LexOrda.Sco"] = joinCrLf(lines);
    Result<RecordLines> shown = readRecordLines(files);
    ASSERT_EQ(shown.value.size(), lines.size() + 1);
    EXPECT_EQ(shown.value[0], "TABELLA RECORDS");
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(shown.value[i + 1], lines[i]);
    EXPECT_EQ(files.text("LexOrda.Sco"), joinCrLf(lines)); // only read

    // More lines than the table keeps through the update too: it takes its own.
    RecordsTable table;
    Result<RecordLines> updated = table.UpdateRecords(gameEnd("X", 5), files);
    EXPECT_EQ(updated.value.size(), lines.size() + 1);
    EXPECT_EQ(fileLines(files).size(), static_cast<size_t>(RecordsKept));
}

TEST(ShowRecords, MissingFileIsCreatedEmpty)
{
    MemoryFiles files;
    Result<RecordLines> shown = readRecordLines(files);
    EXPECT_EQ(shown.value, std::vector<std::string>{"TABELLA RECORDS"});
    EXPECT_EQ(shown.error, Error::None);
    EXPECT_TRUE(files.exists("lexorda.sco"));
    EXPECT_EQ(files.text("LexOrda.Sco"), "");
}

TEST(UpdateRecords, BadFilesDoNoHarm)
{
    // Binary garbage: every byte value, NULs and stray line ends included.
    std::mt19937 gen(7);
    std::string garbage;
    for (int i = 0; i < 20000; ++i) garbage += static_cast<char>(gen() & 0xFF);
    MemoryFiles files;
    files.content["LexOrda.Sco"] = garbage;
    files.content["LexOrda.ini"] = "Nome=ROSSI\r\n";
    RecordsTable table;
    Result<RecordLines> shown = table.UpdateRecords(gameEnd("ROSSI", 321), files);
    EXPECT_EQ(shown.error, Error::None);
    EXPECT_LE(shown.value.size(), MaxListedLines + 1);
    auto after = fileLines(files);
    ASSERT_EQ(after.size(), static_cast<size_t>(RecordsKept));
    for (const auto& l : after) {
        EXPECT_GE(l.size(), 19u);
        EXPECT_EQ(l[10], ' ');
    }
    EXPECT_EQ(files.content.size(), 2u);
    EXPECT_EQ(files.content["LexOrda.ini"], "Nome=ROSSI\r\n");

    // Very long lines are cut, scores beyond 32 bits saturate and are
    // written within their columns.
    files.content["LexOrda.Sco"] =
        "LUNGO      99999999999999999999" + std::string(100000, 'x') + "\r\n" + "NEGATIVO   -99999999999999\r\n";
    shown = readRecordLines(files);
    ASSERT_EQ(shown.value.size(), 3u);
    EXPECT_EQ(shown.value[1].size(), 4096u);
    EXPECT_TRUE(table.UpdateRecords(gameEnd("ROSSI", 321), files).ok());
    after = fileLines(files);
    ASSERT_EQ(after.size(), static_cast<size_t>(RecordsKept));
    EXPECT_EQ(after[0].substr(0, 19), "LUNGO      99999999");
    EXPECT_EQ(after[1], formatRecordLine("ROSSI", 321, "Marche Auto"));
    EXPECT_EQ(after[2].substr(0, 19), "NEGATIVO   -9999999");

    // Thousands of lines: the list stops at its limit, the table at its own.
    std::string many;
    for (int i = 0; i < 5000; ++i) many += "RIGA       " + std::to_string(5000 - i) + "\r\n";
    files.content["LexOrda.Sco"] = many;
    shown = readRecordLines(files);
    EXPECT_EQ(shown.value.size(), MaxListedLines + 1);
    EXPECT_EQ(shown.value.back(), "RIGA       4001");
    shown = table.UpdateRecords(gameEnd("ROSSI", 4995), files);
    EXPECT_EQ(shown.value.size(), MaxListedLines + 1);
    after = fileLines(files);
    ASSERT_EQ(after.size(), static_cast<size_t>(RecordsKept));
    EXPECT_EQ(after[6].substr(0, 15), "ROSSI      4995");
    EXPECT_EQ(after.back().substr(0, 15), "RIGA       " + std::to_string(5000 - (RecordsKept - 2)));
}

TEST(UpdateRecords, FailedSaveLeavesFileAndTableAsTheyWere)
{
    // A write that fails, a file that cannot be read (rewriting it would
    // throw the records away), a lock another copy keeps too long.
    const std::pair<const char*, Error> failures[] = {{"write", Error::Unwritable},
                                                      {"read", Error::Unreadable},
                                                      {"lock", Error::Busy}};
    for (const auto& [what, kind] : failures) {
        SCOPED_TRACE(what);
        MemoryFiles files;
        std::string old = joinCrLf(entriesWith(FullScores));
        files.content["LexOrda.Sco"] = old;
        RecordsTable table;
        EXPECT_TRUE(table.UpdateRecords(gameEnd("X", 0), files).ok());
        RecordsTable kept = table;

        files.failWrites = kind == Error::Unwritable;
        files.failReads = kind == Error::Unreadable;
        files.busy = kind == Error::Busy;
        Result<RecordLines> shown = table.UpdateRecords(gameEnd("MARIO", 5000), files);
        EXPECT_EQ(shown.error, kind);
        // The list still shows what could be read.
        EXPECT_EQ(shown.value.size(), kind == Error::Unwritable ? RecordsKept + 1u : 1u);
        EXPECT_EQ(files.text("LexOrda.Sco"), old);
        EXPECT_EQ(table.RecordNames, kept.RecordNames);
        EXPECT_EQ(table.RecordScores, kept.RecordScores);
        EXPECT_EQ(table.RecordGenres, kept.RecordGenres);
        EXPECT_EQ(table.RecordCount, kept.RecordCount);
    }

    // A folder where the file cannot even be created: the title alone.
    MemoryFiles none;
    none.failWrites = true;
    RecordsTable empty;
    Result<RecordLines> shown = empty.UpdateRecords(gameEnd("MARIO", 5000), none);
    EXPECT_EQ(shown.value, std::vector<std::string>{"TABELLA RECORDS"});
    EXPECT_EQ(shown.error, Error::Unwritable);
    EXPECT_TRUE(none.content.empty());
    EXPECT_EQ(empty.RecordScores[1], 0);
    shown = readRecordLines(none);
    EXPECT_EQ(shown.value, std::vector<std::string>{"TABELLA RECORDS"});
}
