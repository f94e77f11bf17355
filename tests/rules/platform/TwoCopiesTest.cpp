// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Two copies of the game in one folder ending their games at the same
// moment: both scores must arrive. And a copy that holds the lock too long,
// or died holding it.
#include "doubles/TempFolder.h"
#include "platform/Files.h"
#include "records/PlayerSettings.h"
#include "records/RecordsTable.h"

#include <chrono>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <thread>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
int pipe(int fds[2])
{
    return _pipe(fds, 64, _O_BINARY);
}
#endif

// Another copy of the game: a process of its own on POSIX; on Windows a
// thread with handles of its own, which LockFileEx keeps apart as it keeps
// two processes. What it runs gives its exit status.
class OtherCopy {
public:
    explicit OtherCopy(std::function<int()> run)
    {
#ifdef _WIN32
        thread_ = std::thread([this, run] { status_ = run(); });
#else
        pid_ = fork();
        if (pid_ == 0) _exit(run());
#endif
    }
    bool started() const
    {
#ifdef _WIN32
        return thread_.joinable();
#else
        return pid_ > 0;
#endif
    }
    int wait()
    {
#ifdef _WIN32
        if (thread_.joinable()) thread_.join();
#else
        if (pid_ > 0) waitpid(pid_, &status_, 0);
        pid_ = -1;
#endif
        return status_;
    }
#ifndef _WIN32
    void crash()
    {
        ::kill(pid_, SIGKILL);
        (void)wait();
    }
#endif
    ~OtherCopy()
    {
        (void)wait();
    }

private:
#ifdef _WIN32
    std::thread thread_;
#else
    pid_t pid_ = -1;
#endif
    int status_ = 0;
};

// Ends a game with this score, once the start pipe opens.
int endAGame(const std::string& folder, int startPipe, const char* name, int32_t score)
{
    char go;
    if (read(startPipe, &go, 1) < 0) return 2;
    DiskFiles files(folder);
    Session s;
    fillGenreTables(s);
    s.PlayerName = name;
    s.Score = score;
    RecordsTable table;
    return table.UpdateRecords(s, files).ok() ? 0 : 1;
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
        const std::string dir = folder.path.string();
        OtherCopy a([&] { return endAGame(dir, pipeFds[0], "PRIMO", round * 10 + 1); });
        OtherCopy b([&] { return endAGame(dir, pipeFds[0], "SECONDO", round * 10 + 2); });
        ASSERT_TRUE(a.started() && b.started());
        ASSERT_EQ(write(pipeFds[1], "GO", 2), 2); // both start at once
        EXPECT_EQ(a.wait(), 0);
        EXPECT_EQ(b.wait(), 0);
        close(pipeFds[0]);
        close(pipeFds[1]);
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
    int release[2];
    ASSERT_EQ(pipe(release), 0);
    OtherCopy holder([&] {
        DiskFiles files(folder.path.string());
        (void)files.underLock(RecordsFile, [&] {
            char go;
            if (write(held[1], "L", 1) != 1 || read(release[0], &go, 1) < 0) return Error::Busy;
            return Error::None; // held until let go, or killed
        });
        return 0;
    });
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

#ifdef _WIN32
    // A copy cannot be made to crash here: it lets go.
    ASSERT_EQ(write(release[1], "G", 1), 1);
#else
    // The holder crashes: its lock goes with it.
    holder.crash();
#endif
    EXPECT_EQ(files.underLock(RecordsFile, [&] { return files.rewrite(RecordsFile, {"new"}); }), Error::None);
    EXPECT_EQ(folder.read("LexOrda.Sco"), "new\r\n");
    for (int fd : {held[0], held[1], release[0], release[1]}) close(fd);
}

// The lock is a hidden empty file of the game's own: a link planted in its
// place is not followed (the file it names is not made), the save goes on,
// and the lock stays empty. A lock given up while a save waits for it is
// taken, and the save made, before the wait runs out.
TEST(TwoCopies, TheLockIsNoLinkAndALockGivenUpInTimeIsTaken)
{
    TempFolder folder;
    DiskFiles files(folder.path.string());
#ifndef _WIN32 // a link takes a privilege on Windows, and its reparse points are refused as any other
    const std::filesystem::path planted = folder.path / ".lexorda.sco.lock", elsewhere = folder.path / "altrove";
    std::filesystem::create_symlink(elsewhere, planted);
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
#endif

    int held[2];
    ASSERT_EQ(pipe(held), 0);
    OtherCopy holder([&] {
        DiskFiles own(folder.path.string());
        (void)own.underLock(SettingsFile, [&] {
            if (write(held[1], "L", 1) != 1) return Error::Busy;
            std::this_thread::sleep_for(std::chrono::milliseconds(200)); // gives it up after 0.2 s
            return Error::None;
        });
        return 0;
    });
    char c;
    ASSERT_EQ(read(held[0], &c, 1), 1);
    files.setLockWait(std::chrono::milliseconds(2000));
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(writePlayerName(files, "BRUNO"), Error::None);
    const auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_GE(waited, std::chrono::milliseconds(50));
    EXPECT_LT(waited, std::chrono::milliseconds(2000));
    EXPECT_EQ(folder.read("LexOrda.ini"), "Nome=BRUNO\r\n");
    (void)holder.wait();
    close(held[0]);
    close(held[1]);
}
