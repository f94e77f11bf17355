// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Every file the game reads, spoiled in the ways a disk spoils files: the
// readers carry on and never write anything but their own file.
#include "doubles/RulesDoubles.h"
#include "doubles/TempFolder.h"
#include "game/Deal.h"
#include "records/PlayerSettings.h"
#include "records/RecordsTable.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

struct Spoiled {
    const char* what;
    std::string bytes;
};

std::vector<Spoiled> spoiledFiles()
{
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919) & 0xFF);
    std::string hugeLine(10 * 1024 * 1024, 'X');
    std::string longSection = "\x10"
                              "Animali\r\n";
    for (int i = 0; i < 10000; ++i) longSection += "PAROLA" + std::to_string(i) + "\r\n";
    return {{"empty", ""},
            {"binary", binary},
            {"a 10 MB line", "\x10"
                             "Animali\r\n" +
                                 hugeLine + "\r\nNome=" + hugeLine},
            {"a section of 10,000 lines", longSection},
            {"only line ends", std::string(100000, '\n')}};
}

} // namespace

TEST(BadFiles, WordListSettingsAndRecordsReadersCarryOn)
{
    for (const Spoiled& bad : spoiledFiles()) {
        SCOPED_TRACE(bad.what);
        TempFolder f;
        DiskFiles files(f.path.string());
        f.write("lexorda.DAT", bad.bytes);
        f.write("LexOrda.ini", bad.bytes);
        f.write("LexOrda.Sco", bad.bytes);

        GenreWords words;
        const Result<int> read = readSection(files, "Animali", words);
        // Far larger than any word list of ours: refused whole.
        EXPECT_EQ(read.error, bad.bytes.size() > DataFileMax ? Error::FileTooLarge : Error::None);
        const int n = read.value;
        EXPECT_GE(n, 0);
        EXPECT_LE(n, MaxSectionWords);
        for (int i = 0; i < n; ++i) EXPECT_LE(words.slot[i].size(), MaxWordLength);

        std::string name = readPlayerName(files);
        EXPECT_LE(name.size(), 4096u);

        Session s;
        fillGenreTables(s);
        s.PlayerName = "MARIO";
        s.Score = 77;
        RecordsTable table;
        Result<RecordLines> shown = table.UpdateRecords(s, files);
        // Far larger than any records file of ours: damaged, and left alone.
        const bool damaged = bad.bytes.size() > OwnFileMax;
        EXPECT_EQ(shown.error, damaged ? Error::FileTooLarge : Error::None);
        EXPECT_LE(shown.value.size(), static_cast<size_t>(MaxListedLines) + 1);
        // The records file is rewritten whole; the word list and settings stay.
        int lines = 0;
        (void)files.readLines("LexOrda.Sco", [&](std::string_view) {
            ++lines;
            return true;
        });
        if (damaged) EXPECT_EQ(fs::file_size(f.path / "LexOrda.Sco"), bad.bytes.size());
        else EXPECT_EQ(lines, RecordsKept);
        EXPECT_EQ(fs::file_size(f.path / "lexorda.DAT"), bad.bytes.size());
        EXPECT_EQ(fs::file_size(f.path / "LexOrda.ini"), bad.bytes.size());
    }
}

// A word list is read whole up to a megabyte, on disk as in memory, its
// UTF-8 check included; one byte more and it is refused with no word read.
TEST(BadFiles, AWordListPastAMegabyteIsRefused)
{
    for (const size_t size : {DataFileMax, DataFileMax + 1}) {
        for (const bool utf8 : {false, true}) {
            SCOPED_TRACE(std::to_string(size) + (utf8 ? " UTF-8" : " code page"));
            std::string text = std::string("\x10") + "Animali\n" + (utf8 ? "CITT\xC3\x80" : "CITT\xC0") +
                               "\n\x10"
                               "Fine\n";
            text.resize(size, 'A');
            TempFolder f;
            f.write("lexorda.DAT", text);
            DiskFiles disk(f.path.string());
            MemoryFiles memory;
            memory.content["lexorda.DAT"] = text;
            for (Files* files : {static_cast<Files*>(&disk), static_cast<Files*>(&memory)}) {
                GenreWords words;
                const Result<int> read = readSection(*files, "Animali", words);
                if (size > DataFileMax) {
                    EXPECT_EQ(read.error, Error::FileTooLarge);
                    EXPECT_EQ(read.value, 0);
                    EXPECT_EQ(words.slot[0], "");
                } else {
                    EXPECT_EQ(read.error, Error::None);
                    ASSERT_EQ(read.value, 1);
                    EXPECT_EQ(words.slot[0], "CITT\xC0");
                }
            }
        }
    }
}

TEST(BadFiles, FoldersInPlaceOfTheFilesCountAsMissing)
{
    TempFolder f;
    for (const char* name : {"lexorda.DAT", "LexOrda.ini", "LexOrda.Sco"}) fs::create_directory(f.path / name);
    DiskFiles files(f.path.string());
    GenreWords words;
    EXPECT_EQ(readSection(files, "Animali", words).error, Error::NotFound);
    EXPECT_EQ(readPlayerName(files), "ANONIMO");
    EXPECT_EQ(writePlayerName(files, "MARIO"), Error::Unwritable);
    Session s;
    fillGenreTables(s);
    RecordsTable table;
    EXPECT_NE(table.UpdateRecords(s, files).error, Error::None);
    EXPECT_TRUE(fs::is_directory(f.path / "LexOrda.Sco"));
}

// A records file a Linux editor saved as UTF-8: read with its accented
// letters in their columns, written back in the game's code page with CR LF.
TEST(BadFiles, Utf8FilesKeepTheirAccentsAndAreSavedInTheGamesCodePage)
{
    TempFolder f;
    DiskFiles files(f.path.string());
    f.write("LexOrda.Sco", "NICCOL\xC3\x92    250     Frutti\n");
    Session s;
    fillGenreTables(s);
    s.PlayerName = "LUCIA";
    s.Score = 100;
    RecordsTable table;
    ASSERT_TRUE(table.UpdateRecords(s, files).ok());
    EXPECT_EQ(f.read("LexOrda.Sco").substr(0, 55), "NICCOL\xD2    250     Frutti\r\nLUCIA      100     Animali\r\n");
}
