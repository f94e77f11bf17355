// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Kills a process while it saves the records and the player's name, over and
// over, and checks that each file is always whole: the old one or the new one.
#include "doubles/TempFolder.h"
#include "platform/Files.h"
#include "records/PlayerSettings.h"
#include "records/RecordsTable.h"
#include "rules/records/RecordsTestData.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Saves without end; each save is complete in itself.
[[noreturn]] void saveForever(const std::string& folder, int32_t base)
{
    DiskFiles files(folder);
    Session s;
    fillGenreTables(s);
    RecordsTable table;
    for (int32_t n = 1;; ++n) {
        s.Score = base + n; // always a new best, so every save changes the file
        s.PlayerName = n % 2 ? "PARI" : "DISPARI";
        (void)table.UpdateRecords(s, files);
        (void)writePlayerName(files, s.PlayerName);
    }
}

// The files as the game reads them: a save cut short in place is read from
// its journal.
std::string asRead(const fs::path& dir, const char* name)
{
    DiskFiles files(dir.string());
    std::string text;
    (void)files.readLines(
        name,
        [&](std::string_view l) {
            text.append(l).append("\r\n");
            return true;
        },
        4096, FileKind::Own);
    return text;
}

// The records file after the saves of saveForever from `before` up to the
// one whose score begins `file` (the new best is always the first line).
std::string afterSaves(const std::string& before, int32_t base, const std::string& file)
{
    const int32_t last = file.size() > 11 ? std::atoi(file.c_str() + 11) - base : 0;
    if (last < 1) return {};
    std::string text;
    int lines = 0;
    for (int32_t n = last; n >= 1 && lines < RecordsKept; --n, ++lines)
        text += formatRecordLine(n % 2 ? "PARI" : "DISPARI", base + n, "Animali") + "\r\n";
    for (size_t at = 0; lines < RecordsKept; ++lines) {
        const size_t end = before.find("\r\n", at) + 2;
        text += before.substr(at, end - at);
        at = end;
    }
    return text;
}

// Kills a saving process `rounds` times. With `linked`, each file has a
// second hard link, so every save writes it in place.
void killDuringSaves(bool linked, int rounds)
{
    TempFolder folder;
    const fs::path& dir = folder.path;
    {
        DiskFiles files(dir.string());
        Session s;
        fillGenreTables(s);
        (void)RecordsTable().UpdateRecords(s, files);
        (void)writePlayerName(files, "ANONIMO");
    }
    if (linked) {
        fs::create_hard_link(dir / "LexOrda.Sco", dir / "copia.sco");
        fs::create_hard_link(dir / "LexOrda.ini", dir / "copia.ini");
    }
    const auto read = [&](const char* name) { return linked ? asRead(dir, name) : folder.read(name); };
    std::mt19937 rng(7);
    int sawChange = 0;
    std::string before = read("LexOrda.Sco");
    for (int round = 0; round < rounds; ++round) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) saveForever(dir.string(), (round + 1) * 100000);
        usleep(std::uniform_int_distribution<int>(300, 30000)(rng));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        // Byte for byte the old file or the one some save of this round wrote.
        std::string sco = read("LexOrda.Sco");
        ASSERT_TRUE(sco == before || sco == afterSaves(before, (round + 1) * 100000, sco)) << "round " << round << ":\n"
                                                                                           << sco << "\nbefore:\n"
                                                                                           << before;
        std::string ini = read("LexOrda.ini");
        ASSERT_TRUE(ini == "Nome=ANONIMO\r\n" || ini == "Nome=PARI\r\n" || ini == "Nome=DISPARI\r\n")
            << "round " << round << ": " << ini;
        if (sco != before) ++sawChange;
        before = sco;
    }
    // The child did get to save between kills.
    EXPECT_GT(sawChange, 10);
    if (linked) {
        // The next save finishes whatever the last kill cut short; the links
        // still name the one file.
        DiskFiles files(dir.string());
        Session s;
        fillGenreTables(s);
        s.Score = 1 << 30;
        ASSERT_EQ(RecordsTable().UpdateRecords(s, files).error, Error::None);
        EXPECT_EQ(folder.read("LexOrda.Sco"), asRead(dir, "LexOrda.Sco"));
        EXPECT_TRUE(fs::equivalent(dir / "LexOrda.Sco", dir / "copia.sco"));
        EXPECT_TRUE(fs::equivalent(dir / "LexOrda.ini", dir / "copia.ini"));
        EXPECT_FALSE(fs::exists(dir / ".LexOrda.Sco.journal"));
    }
}

} // namespace

TEST(KillDuringSave, FilesAreAlwaysWhole)
{
    killDuringSaves(false, 150);
}

TEST(KillDuringSave, FilesWrittenInPlaceAreAlwaysWhole)
{
    killDuringSaves(true, 100);
}

// A save written in place that stopped after its journal was whole: every
// read takes the journal for the file, through a link to it too, and the
// next save first copies it over the file (the file itself, its links kept)
// and then goes away. A journal that is a link, or larger than any file the
// game writes, is no journal of ours.
TEST(KillDuringSave, AFinishedSavesJournalIsTheFileUntilTheNextSave)
{
    const std::string oldSco = "ANNA       100     Animali\r\n";
    const std::string newSco = "BRUNO      900     Animali\r\nANNA       100     Animali\r\n";
    const struct {
        const char* what;
        bool linked;      // the file has a second hard link: saved in place
        bool throughLink; // the player's file is a link to the saved one
        bool journalIsLink;
        bool taken;
    } cases[] = {
        {"journal beside the file", true, false, false, true},
        {"journal beside a file of one name", false, false, false, true},
        {"journal beside the file a link points at", true, true, false, true},
        {"a link in the journal's place", true, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const fs::path& dir = folder.path;
        const fs::path real = dir / (c.throughLink ? "altrove.sco" : "LexOrda.Sco");
        const fs::path journal = dir / ("." + real.filename().string() + ".journal");
        folder.write(real.filename(), oldSco);
        if (c.linked) fs::create_hard_link(real, dir / "copia.sco");
        if (c.throughLink) fs::create_symlink(real.filename(), dir / "LexOrda.Sco");
        if (c.journalIsLink) {
            folder.write("altro.txt", newSco);
            fs::create_symlink("altro.txt", journal);
        } else {
            folder.write(journal.filename(), newSco);
        }
        const std::string seen = c.taken ? newSco : oldSco;
        EXPECT_EQ(asRead(dir, "LexOrda.Sco"), seen);
        EXPECT_EQ(asRead(dir, "lexorda.sco"), seen);

        DiskFiles files(dir.string());
        Session s;
        fillGenreTables(s);
        s.PlayerName = "CARLO";
        s.Score = 500;
        ASSERT_EQ(RecordsTable().UpdateRecords(s, files).error, Error::None);
        const std::string saved =
            c.taken
                ? keptLines({"BRUNO      900     Animali", "CARLO      500     Animali", "ANNA       100     Animali"})
                : keptLines({"CARLO      500     Animali", "ANNA       100     Animali"});
        EXPECT_EQ(folder.read(real.filename()), saved);
        if (c.linked) {
            EXPECT_EQ(folder.read("copia.sco"), saved);
            EXPECT_TRUE(fs::equivalent(real, dir / "copia.sco"));
        }
        EXPECT_EQ(asRead(dir, "LexOrda.Sco"), saved);
        // The save's own journal took the place of a link there, and went.
        EXPECT_FALSE(fs::exists(fs::symlink_status(journal)));
        EXPECT_EQ(folder.read("altro.txt"), c.journalIsLink ? newSco : "");
    }
}

// The journal of the settings file at the game's size limit: one of exactly
// OwnFileMax bytes is copied over the file by the next save; one byte more
// and it is nobody's save, so the save fails and the journal stays. Both
// read as the file meanwhile, as far as their lines end within the limit.
TEST(KillDuringSave, AJournalAtTheSizeLimit)
{
    for (const size_t size : {OwnFileMax, OwnFileMax + 1}) {
        SCOPED_TRACE(size);
        TempFolder folder;
        folder.write("LexOrda.ini", "Nome=ANNA\r\n");
        fs::create_hard_link(folder.path / "LexOrda.ini", folder.path / "copia.ini");
        std::string journal = "Nome=BRUNO\r\n";
        journal += std::string(size - journal.size() - 2, 'x') + "\r\n";
        folder.write(".LexOrda.ini.journal", journal);

        DiskFiles files(folder.path.string());
        Error error = Error::FileTooLarge;
        EXPECT_EQ(readPlayerName(files, &error), "BRUNO");
        EXPECT_EQ(error, Error::None);
        const bool whole = size <= OwnFileMax;
        EXPECT_EQ(writePlayerName(files, "CARLO"), whole ? Error::None : Error::Unwritable);
        EXPECT_EQ(folder.read("LexOrda.ini"), whole ? "Nome=CARLO\r\n" : "Nome=ANNA\r\n");
        EXPECT_EQ(folder.read("copia.ini"), folder.read("LexOrda.ini"));
        EXPECT_EQ(fs::exists(folder.path / ".LexOrda.ini.journal"), !whole);
        EXPECT_EQ(readPlayerName(files), whole ? "CARLO" : "BRUNO");
    }
}
