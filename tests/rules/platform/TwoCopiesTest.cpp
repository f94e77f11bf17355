// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Two copies of the game in one folder ending their games at the same
// moment: both scores must arrive. And a copy that holds the lock too long,
// or died holding it.
#include "doubles/TempFolder.h"
#include "platform/Files.h"
#include "records/PlayerSettings.h"
#include "records/RecordsTable.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Ends a game with this score in its own process, once the start pipe opens.
pid_t copyOfTheGame(const std::string& folder, int startPipe, const char* name, int32_t score)
{
    pid_t pid = fork();
    if (pid != 0) return pid;
    char go;
    if (read(startPipe, &go, 1) < 0) _exit(2);
    DiskFiles files(folder);
    Session s;
    fillGenreTables(s);
    s.PlayerName = name;
    s.Score = score;
    RecordsTable table;
    _exit(table.UpdateRecords(s, files).ok() ? 0 : 1);
}

} // namespace

TEST(TwoCopies, BothScoresArrive)
{
    TempFolder folder;
    int missing = 0;
    for (int32_t round = 1; round <= 100; ++round) {
        int pipeFds[2];
        ASSERT_EQ(pipe(pipeFds), 0);
        // Each round's two scores beat everything before them.
        pid_t a = copyOfTheGame(folder.path.string(), pipeFds[0], "PRIMO", round * 10 + 1);
        pid_t b = copyOfTheGame(folder.path.string(), pipeFds[0], "SECONDO", round * 10 + 2);
        ASSERT_GT(a, 0);
        ASSERT_GT(b, 0);
        ASSERT_EQ(write(pipeFds[1], "GO", 2), 2); // both start at once
        close(pipeFds[0]);
        close(pipeFds[1]);
        int statusA = 0, statusB = 0;
        waitpid(a, &statusA, 0);
        waitpid(b, &statusB, 0);
        EXPECT_EQ(statusA, 0);
        EXPECT_EQ(statusB, 0);
        const std::string sco = folder.read("LexOrda.Sco");
        const bool both = sco.rfind(formatRecordLine("SECONDO", round * 10 + 2, "Animali") + "\r\n" +
                                        formatRecordLine("PRIMO", round * 10 + 1, "Animali") + "\r\n",
                                    0) == 0;
        if (!both) ++missing;
    }
    EXPECT_EQ(missing, 0);
}

TEST(TwoCopies, ALockHeldTooLongFailsTheSaveAndADeadCopysLockIsTaken)
{
    TempFolder folder;
    folder.write("LexOrda.Sco", "old\r\n");
    int held[2];
    ASSERT_EQ(pipe(held), 0);
    pid_t holder = fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        DiskFiles files(folder.path.string());
        (void)files.underLock(RecordsFile, [&] {
            if (write(held[1], "L", 1) != 1) _exit(2);
            for (;;) pause(); // holds the lock until killed
            return Error::None;
        });
        _exit(0);
    }
    char c;
    ASSERT_EQ(read(held[0], &c, 1), 1);

    DiskFiles files(folder.path.string());
    files.setLockWait(std::chrono::milliseconds(300));
    bool ran = false;
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(files.underLock("lexorda.sco",
                              [&] {
                                  ran = true;
                                  return Error::None;
                              }),
              Error::Busy);
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(300));
    EXPECT_FALSE(ran);
    EXPECT_EQ(folder.read("LexOrda.Sco"), "old\r\n");

    // The holder crashes: its lock goes with it.
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    EXPECT_EQ(files.underLock(RecordsFile, [&] { return files.rewrite(RecordsFile, {"new"}); }), Error::None);
    EXPECT_EQ(folder.read("LexOrda.Sco"), "new\r\n");
    close(held[0]);
    close(held[1]);
}

// The lock is a hidden empty file of the game's own: a link planted in its
// place is not followed (the file it names is not made), the save goes on,
// and the lock stays empty. A lock given up while a save waits for it is
// taken, and the save made, before the wait runs out.
TEST(TwoCopies, TheLockIsNoLinkAndALockGivenUpInTimeIsTaken)
{
    TempFolder folder;
    const std::filesystem::path planted = folder.path / ".lexorda.sco.lock", elsewhere = folder.path / "altrove";
    std::filesystem::create_symlink(elsewhere, planted);
    DiskFiles files(folder.path.string());
    Session s;
    fillGenreTables(s);
    s.PlayerName = "ANNA";
    s.Score = 500;
    EXPECT_EQ(RecordsTable().UpdateRecords(s, files).error, Error::None);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(elsewhere)));
    EXPECT_TRUE(std::filesystem::is_symlink(planted));
    EXPECT_EQ(folder.read("LexOrda.Sco").substr(0, 28), "ANNA       500     Animali\r\n");
    EXPECT_EQ(writePlayerName(files, "ANNA"), Error::None);
    EXPECT_EQ(folder.read(".lexorda.ini.lock"), "");

    int held[2];
    ASSERT_EQ(pipe(held), 0);
    const pid_t holder = fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        DiskFiles own(folder.path.string());
        (void)own.underLock(SettingsFile, [&] {
            if (write(held[1], "L", 1) != 1) _exit(2);
            usleep(200000); // gives it up after 0.2 s
            return Error::None;
        });
        _exit(0);
    }
    char c;
    ASSERT_EQ(read(held[0], &c, 1), 1);
    files.setLockWait(std::chrono::milliseconds(2000));
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(writePlayerName(files, "BRUNO"), Error::None);
    const auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_GE(waited, std::chrono::milliseconds(50));
    EXPECT_LT(waited, std::chrono::milliseconds(2000));
    EXPECT_EQ(folder.read("LexOrda.ini"), "Nome=BRUNO\r\n");
    waitpid(holder, nullptr, 0);
    close(held[0]);
    close(held[1]);
}
