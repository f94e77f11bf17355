// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Kills a process while it saves the records and the player's name, over and
// over, and checks that each file is always whole: the old one or the new one.
#include "doubles/TempFolder.h"
#include "platform/Files.h"
#include "records/PlayerSettings.h"
#include "records/RecordsTable.h"

#include <csignal>
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

        std::string sco = read("LexOrda.Sco");
        ASSERT_EQ(std::count(sco.begin(), sco.end(), '\n'), 10) << "round " << round << ":\n" << sco;
        ASSERT_EQ(sco.substr(sco.size() - 2), "\r\n");
        // Every line is a well-formed entry that formats back to itself.
        size_t start = 0;
        for (int line = 0; line < 10; ++line) {
            size_t end = sco.find("\r\n", start);
            std::string l = sco.substr(start, end - start);
            ASSERT_GE(l.size(), 19u) << l;
            start = end + 2;
        }
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
