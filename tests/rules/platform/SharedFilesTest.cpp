// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The records and settings files among other users, on odd file systems and
// in odd shapes: real users (numeric ids, which is all the kernel knows of a
// user), a real group, a full tmpfs, sparse files of gigabytes. The cases
// that need root are skipped without it.
#include "doubles/TempFolder.h"
#include "platform/Files.h"
#include "records/PlayerSettings.h"
#include "records/RecordsTable.h"
#include "rules/records/RecordsTestData.h"
#include "session/Cp1252.h"

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <iterator>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Ids no account on a test machine uses.
constexpr uid_t Anna = 61901, Bruno = 61902;
constexpr gid_t Players = 61900, AnnaOwn = 61903, BrunoOwn = 61904;

// What `work` returns, run in a child process: as this user (with its own
// group and the players' group) when `uid` is not 0. 99: could not become it.
int inChild(uid_t uid, gid_t own, const std::function<int()>& work)
{
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const gid_t groups[] = {own, Players};
        if (uid != 0 &&
            (::setgroups(2, groups) != 0 || ::setresgid(own, own, own) != 0 || ::setresuid(uid, uid, uid) != 0))
            ::_exit(99);
        ::umask(002); // as players who share files with a group set it
        ::_exit(work());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

// One game's end in this folder: what the save gives.
int endGame(const fs::path& folder, const char* name, int32_t score)
{
    DiskFiles files(folder.string());
    Session s;
    fillGenreTables(s);
    s.PlayerName = name;
    s.Score = score;
    RecordsTable table;
    return static_cast<int>(table.UpdateRecords(s, files).error);
}

int saveName(const fs::path& folder, const char* name)
{
    DiskFiles files(folder.string());
    return static_cast<int>(writePlayerName(files, name));
}

std::string head(const fs::path& p, size_t n)
{
    std::ifstream in(p, std::ios::binary);
    std::string text(n, '\0');
    in.read(text.data(), static_cast<std::streamsize>(n));
    text.resize(static_cast<size_t>(in.gcount()));
    return text;
}

struct stat statOf(const fs::path& p)
{
    struct stat st = {};
    ::stat(p.c_str(), &st);
    return st;
}

#define NEED_ROOT()                                                                                                    \
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as other users; skipped"

} // namespace

// A records file kept by a group: Anna's, group-writable, in a folder of the
// group. Bruno's save keeps it Anna's, with its group, mode and inode, so her
// saves still work and nobody's scores go.
TEST(SharedFiles, AGroupsRecordsFileKeepsItsOwnerGroupModeAndLinks)
{
    NEED_ROOT();
    TempFolder t;
    fs::permissions(t.path, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    const fs::path shared = t.path / "giochi", sco = shared / "LexOrda.Sco";
    fs::create_directory(shared);
    ASSERT_EQ(::chown(shared.c_str(), 0, Players) | ::chmod(shared.c_str(), 02775), 0);

    ASSERT_EQ(inChild(Anna, AnnaOwn, [&] { return endGame(shared, "ANNA", 500); }), 0);
    const struct stat first = statOf(sco);
    ASSERT_EQ(first.st_mode & 07777, 0664u);
    EXPECT_EQ(inChild(Bruno, BrunoOwn, [&] { return endGame(shared, "BRUNO", 300); }), 0);
    const struct stat after = statOf(sco);
    EXPECT_EQ(after.st_ino, first.st_ino);
    EXPECT_EQ(after.st_uid, Anna);
    EXPECT_EQ(after.st_gid, Players);
    EXPECT_EQ(after.st_mode & 07777, 0664u);
    EXPECT_EQ(inChild(Anna, AnnaOwn, [&] { return endGame(shared, "ANNA", 400); }), 0);
    EXPECT_EQ(head(sco, 84), "ANNA       500     Animali\r\nANNA       400     Animali\r\n"
                             "BRUNO      300     Animali\r\n");

    EXPECT_FALSE(fs::exists(shared / ".LexOrda.Sco.journal"));
}

// A portable copy in a folder open to all with the sticky bit, like /tmp:
// Bruno plants the game's file names as links to Anna's files. Anna's game
// follows neither, as the kernel's protected links would not; her own link
// there is followed.
TEST(SharedFiles, AStrangersLinkInAFolderOpenToAllIsNotFollowed)
{
    NEED_ROOT();
    TempFolder t;
    fs::permissions(t.path, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    const fs::path open = t.path / "aperta", own = t.path / "aperta2", mine = t.path / "anna";
    for (const fs::path& p : {open, own, mine}) fs::create_directory(p);
    ASSERT_EQ(::chmod(open.c_str(), 01777) | ::chmod(own.c_str(), 01777) | ::chown(mine.c_str(), Anna, AnnaOwn), 0);
    t.write("anna/tesi.txt", "capitolo 1\r\n");
    ASSERT_EQ(::chown((mine / "tesi.txt").c_str(), Anna, AnnaOwn), 0);

    ASSERT_EQ(inChild(Bruno, BrunoOwn,
                      [&] {
                          return ::symlink((mine / "tesi.txt").c_str(), (open / "LexOrda.Sco").c_str()) |
                                 ::symlink((mine / "nuovo.txt").c_str(), (open / "LexOrda.ini").c_str());
                      }),
              0);
    const int foreign = static_cast<int>(Error::ForeignLink);
    EXPECT_EQ(inChild(Anna, AnnaOwn, [&] { return endGame(open, "ANNA", 500); }), foreign);
    EXPECT_EQ(inChild(Anna, AnnaOwn, [&] { return saveName(open, "ANNA"); }), foreign);
    EXPECT_EQ(inChild(Anna, AnnaOwn,
                      [&] {
                          DiskFiles files(open.string());
                          return static_cast<int>(readRecordLines(files).error);
                      }),
              foreign);
    EXPECT_EQ(t.read("anna/tesi.txt"), "capitolo 1\r\n");
    EXPECT_FALSE(fs::exists(mine / "nuovo.txt"));

    EXPECT_EQ(inChild(Anna, AnnaOwn,
                      [&] {
                          return ::symlink((mine / "punti.sco").c_str(), (own / "LexOrda.Sco").c_str())
                                     ? 97
                                     : endGame(own, "ANNA", 5);
                      }),
              0);
    EXPECT_TRUE(fs::is_symlink(own / "LexOrda.Sco"));
    EXPECT_EQ(head(mine / "punti.sco", 26), "ANNA       5       Animali");
}

// A disk with no room, or no inodes, left: the saves say the disk is full
// and the old files stay whole. A tmpfs of a few pages, in a mount namespace
// of the test's own, so nothing shows outside it.
TEST(SharedFiles, AFullDiskOrNoInodesSaysSo)
{
    NEED_ROOT();
    TempFolder t;
    for (const bool inodes : {false, true}) {
        SCOPED_TRACE(inodes ? "no inodes" : "no room");
        const int failed = inChild(0, 0, [&] {
            const fs::path disk = t.path / (inodes ? "inodi" : "blocchi");
            fs::create_directory(disk);
            if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                ::mount("tmpfs", disk.c_str(), "tmpfs", 0, inodes ? "size=1m,nr_inodes=8" : "size=64k") != 0)
                return 77;
            if (endGame(disk, "ANNA", 500) != 0 || saveName(disk, "ANNA") != 0) return 1;
            const std::string old = head(disk / "LexOrda.Sco", 4096);
            // Fill it: one file as large as it gets, or empty files while any can be made.
            for (int i = 0;; ++i) {
                const int fd = ::open((disk / ("pieno" + std::to_string(i))).c_str(), O_WRONLY | O_CREAT, 0600);
                if (fd < 0) break;
                static const std::string block(4096, 'x');
                while (!inodes && ::write(fd, block.data(), block.size()) > 0) {
                }
                ::close(fd);
                if (!inodes) break;
            }
            const int full = static_cast<int>(Error::DiskFull);
            if (endGame(disk, "BRUNO", 900) != full) return 2;
            if (saveName(disk, "BRUNO") != full) return 3;
            DiskFiles files(disk.string());
            return head(disk / "LexOrda.Sco", 4096) == old && readPlayerName(files) == "ANNA" ? 0 : 4;
        });
        if (failed == 77) GTEST_SKIP() << "no mount namespace for a tmpfs here; skipped";
        // 1: saves before the disk filled, 2: records, 3: name, 4: old files kept.
        EXPECT_EQ(failed, 0);
    }
}

// A settings file of 16 GB and a records file of 4 GB, sparse (a few KB on
// disk). Only what is used is read: the name on the first line comes back;
// the records' lines run past the cap, so that file is damaged and not
// rewritten; a first line that never ends is damaged too. All within a
// second.
TEST(SharedFiles, HugeSparseFilesAreReadOnlyAsFarAsUsed)
{
    TempFolder t, blank;
    t.write("LexOrda.ini", "Nome=ANNA\r\n");
    t.write("LexOrda.Sco", "ANNA       500     Animali\r\n");
    blank.write("LexOrda.ini", "");
    fs::resize_file(t.path / "LexOrda.ini", 16ull << 30);
    fs::resize_file(t.path / "LexOrda.Sco", 4ull << 30);
    fs::resize_file(blank.path / "LexOrda.ini", 16ull << 30);
    DiskFiles files(t.path.string()), blankFiles(blank.path.string());

    const auto start = std::chrono::steady_clock::now();
    Error error = Error::FileTooLarge;
    EXPECT_EQ(readPlayerName(files, &error), "ANNA");
    EXPECT_EQ(error, Error::None);
    EXPECT_EQ(readPlayerName(blankFiles, &error), "ANONIMO");
    EXPECT_EQ(error, Error::FileTooLarge);
    const auto named = std::chrono::steady_clock::now();
    EXPECT_EQ(endGame(t.path, "ANNA", 700), static_cast<int>(Error::FileTooLarge));
    const Result<RecordLines> shown = readRecordLines(files);
    EXPECT_EQ(shown.error, Error::FileTooLarge);
    EXPECT_EQ(shown.value, (RecordLines{RecordsTitle, "ANNA       500     Animali"}));
    const auto done = std::chrono::steady_clock::now();

    EXPECT_EQ(fs::file_size(t.path / "LexOrda.Sco"), 4ull << 30);
    EXPECT_EQ(head(t.path / "LexOrda.Sco", 28), "ANNA       500     Animali\r\n");
    // The name saved again makes the settings file one line, the name kept.
    ASSERT_EQ(saveName(t.path, readPlayerName(files).c_str()), 0);
    EXPECT_EQ(t.read("LexOrda.ini"), "Nome=ANNA\r\n");

    const auto ms = [](auto d) {
        return static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(d).count());
    };
    std::printf("two 16 GB settings files read in %lld ms, a 4 GB records file refused twice in %lld ms\n",
                ms(named - start), ms(done - named));
    EXPECT_LT(ms(done - start), 1000);
}

// Names whose code page bytes happen to spell UTF-8 come back from the
// game's own files as they were written, columns and all; a file a Linux
// editor saved in UTF-8 (lines ended by LF) is still read as UTF-8.
TEST(SharedFiles, TheGamesOwnFilesReadBackAsWritten)
{
    for (const char* name : {"\xC3\xA9", "\xC3\x80RIA", "\xE2\x82\xAC\xC3\xA8", "MARIO"}) {
        SCOPED_TRACE(name);
        TempFolder t;
        DiskFiles files(t.path.string());
        ASSERT_EQ(saveName(t.path, name), 0);
        EXPECT_EQ(readPlayerName(files), upperCp1252(name));
        ASSERT_EQ(endGame(t.path, name, 16), 0);
        ASSERT_EQ(endGame(t.path, "ALTRO", 1), 0); // reads the line back and writes it anew
        const Result<RecordLines> shown = readRecordLines(files);
        ASSERT_GE(shown.value.size(), 3u);
        EXPECT_EQ(shown.value[1], formatRecordLine(name, 16, "Animali"));
    }
    TempFolder t;
    t.write("LexOrda.ini", "Nome=\xC3\xA0ria\n");
    DiskFiles files(t.path.string());
    EXPECT_EQ(readPlayerName(files), "\xC0RIA");
}

namespace {

// What `work` gives, run as this user in a child process (see inChild).
std::string textInChild(uid_t uid, gid_t own, const std::function<std::string()>& work)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return "(no pipe)";
    const int rc = inChild(uid, own, [&] {
        ::close(pipeFds[0]);
        const std::string text = work();
        const bool sent = ::write(pipeFds[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
        ::close(pipeFds[1]);
        return sent ? 0 : 1;
    });
    ::close(pipeFds[1]);
    std::string text;
    char buf[4096];
    for (ssize_t n; (n = ::read(pipeFds[0], buf, sizeof buf)) > 0;) text.append(buf, static_cast<size_t>(n));
    ::close(pipeFds[0]);
    return rc == 0 ? text : "(child failed: " + std::to_string(rc) + ")";
}

// The records list as this folder's game shows it, and its error, one line.
std::string shownRecords(const fs::path& folder)
{
    DiskFiles files(folder.string());
    const Result<RecordLines> shown = readRecordLines(files);
    std::string text = "error " + std::to_string(static_cast<int>(shown.error)) + ":";
    for (const std::string& line : shown.value) text += line + "|";
    return text;
}

// A folder the players share: its owner and mode, as the cases give them.
struct SharedFolder {
    uid_t owner;
    mode_t mode;
    // Makes it at this path; 0 when done.
    int make(const fs::path& at) const
    {
        fs::create_directory(at);
        return ::chown(at.c_str(), owner, Players) | ::chmod(at.c_str(), mode);
    }
};

} // namespace

// The rule for links in a folder someone else may write (a group or all,
// sticky or not, or its owner), at its edges: a link is followed only when it
// is the player's own or root's; in a folder no one else may write, any link
// is. A followed link takes the save into the file it points at (and the
// link stays); a refused one leaves that file byte for byte.
TEST(SharedFiles, WhoseLinkIsFollowedInASharedFolder)
{
    NEED_ROOT();
    const struct {
        const char* what;
        SharedFolder folder;
        uid_t linkOwner;
        bool followed;
    } cases[] = {
        {"Anna's own link in root's sticky folder", 0, 01777, Anna, true},
        {"Bruno's link in root's sticky folder", 0, 01777, Bruno, false},
        {"Bruno's link in Bruno's sticky folder", Bruno, 01777, Bruno, false},
        {"Bruno's link in Anna's own sticky folder", Anna, 01777, Bruno, false},
        {"Anna's link in Bruno's sticky folder", Bruno, 01777, Anna, true},
        {"Bruno's link in a folder open to all, not sticky", 0, 00777, Bruno, false},
        {"Bruno's link in a sticky folder open to the group only", 0, 01775, Bruno, false},
        {"Bruno's link in the group's folder, setgid, not sticky", 0, 02775, Bruno, false},
        {"root's link in the group's folder", 0, 02775, 0, true},
        {"Bruno's link in his own folder, closed to the others", Bruno, 00755, Bruno, false},
        {"Bruno's link in a folder only root may write", 0, 00755, Bruno, true},
    };
    const std::string old = "VECCHIO    1       Animali\r\n";
    const std::string saved = keptLines({"ANNA       500     Animali", "VECCHIO    1       Animali"});
    const int foreign = static_cast<int>(Error::ForeignLink);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder t;
        fs::permissions(t.path, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        const fs::path shared = t.path / "comune", mine = t.path / "anna";
        fs::create_directory(mine);
        ASSERT_EQ(c.folder.make(shared) | ::chown(mine.c_str(), Anna, AnnaOwn), 0);
        t.write("anna/punti.sco", old);
        ASSERT_EQ(::chown((mine / "punti.sco").c_str(), Anna, AnnaOwn), 0);
        ASSERT_EQ(::symlink((mine / "punti.sco").c_str(), (shared / "LexOrda.Sco").c_str()) |
                      ::symlink((mine / "nome.ini").c_str(), (shared / "LexOrda.ini").c_str()) |
                      ::lchown((shared / "LexOrda.Sco").c_str(), c.linkOwner, Players) |
                      ::lchown((shared / "LexOrda.ini").c_str(), c.linkOwner, Players),
                  0);

        EXPECT_EQ(textInChild(Anna, AnnaOwn, [&] { return shownRecords(shared); }),
                  c.followed ? "error 0:TABELLA RECORDS|VECCHIO    1       Animali|"
                             : "error " + std::to_string(foreign) + ":TABELLA RECORDS|");
        EXPECT_EQ(inChild(Anna, AnnaOwn, [&] { return endGame(shared, "ANNA", 500); }), c.followed ? 0 : foreign);
        EXPECT_EQ(inChild(Anna, AnnaOwn, [&] { return saveName(shared, "ANNA"); }), c.followed ? 0 : foreign);
        EXPECT_EQ(t.read("anna/punti.sco"), c.followed ? saved : old);
        EXPECT_EQ(t.read("anna/nome.ini"), c.followed ? "Nome=ANNA\r\n" : "");
        EXPECT_EQ(fs::exists(mine / "nome.ini"), c.followed);
        EXPECT_TRUE(fs::is_symlink(shared / "LexOrda.Sco"));
        EXPECT_TRUE(fs::is_symlink(shared / "LexOrda.ini"));
    }
}

// A journal beside the records file stands for the file only where no
// stranger could have put it there. In a sticky folder open to all, Bruno's
// journal beside Anna's file is neither read nor copied over it; Anna's own
// is, and so is one of the folder's owner, or of the file's; outside such a
// folder, that of anyone who could have written the file anyway, and no
// group member's beside a file only Anna may write. Anna cannot remove Bruno's journal from a sticky
// folder, so there her save fails rather than leave a journal that would
// stand for her file.
TEST(SharedFiles, AJournalCountsOnlyWhereNoStrangerCouldHavePlantedIt)
{
    NEED_ROOT();
    const struct {
        const char* what;
        SharedFolder folder;
        uid_t fileOwner;
        mode_t fileMode;
        uid_t journalOwner;
        bool read;   // the journal is the file's content
        Error save;  // what Anna's save gives
        bool copied; // the journal's text went over the file
        bool journalGone;
    } cases[] = {
        {"Bruno's journal in root's sticky folder", 0, 01777, Anna, 0666, Bruno, false, Error::None, false, false},
        {"Anna's journal in root's sticky folder", 0, 01777, Anna, 0666, Anna, true, Error::None, true, true},
        {"Bruno's journal in Bruno's sticky folder", Bruno, 01777, Anna, 0666, Bruno, true, Error::Unwritable, true,
         false},
        {"Bruno's journal beside Bruno's file", 0, 01777, Bruno, 0666, Bruno, true, Error::Unwritable, true, false},
        {"Bruno's journal in a folder open to all, not sticky", 0, 00777, Anna, 0666, Bruno, true, Error::None, true,
         true},
        {"Bruno's journal in the group's sticky folder, Anna's file hers alone", 0, 01770, Anna, 0644, Bruno, false,
         Error::None, false, false},
        {"Bruno's journal in the group's folder, Anna's file open to the group", 0, 02770, Anna, 0664, Bruno, true,
         Error::None, true, true},
    };
    const std::string file = "ANNA       100     Animali\r\n", journal = "BRUNO      900     Animali\r\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder t;
        fs::permissions(t.path, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        const fs::path shared = t.path / "comune";
        ASSERT_EQ(c.folder.make(shared), 0);
        t.write("comune/LexOrda.Sco", file);
        t.write("comune/.LexOrda.Sco.journal", journal);
        const fs::path sco = shared / "LexOrda.Sco", jnl = shared / ".LexOrda.Sco.journal";
        ASSERT_EQ(::chown(sco.c_str(), c.fileOwner, Players) | ::chmod(sco.c_str(), c.fileMode) |
                      ::chown(jnl.c_str(), c.journalOwner, Players) | ::chmod(jnl.c_str(), 0644),
                  0);

        EXPECT_EQ(textInChild(Anna, AnnaOwn, [&] { return shownRecords(shared); }),
                  std::string("error 0:TABELLA RECORDS|") +
                      (c.read ? "BRUNO      900     Animali|" : "ANNA       100     Animali|"));
        EXPECT_EQ(inChild(Anna, AnnaOwn, [&] { return endGame(shared, "ANNA", 500); }), static_cast<int>(c.save));
        const std::string base = c.copied ? journal : file;
        const std::string saved = keptLines({c.read ? "BRUNO      900     Animali" : "ANNA       500     Animali",
                                             c.read ? "ANNA       500     Animali" : "ANNA       100     Animali"});
        EXPECT_EQ(t.read("comune/LexOrda.Sco"), c.save == Error::None ? saved : base);
        EXPECT_EQ(fs::exists(jnl), !c.journalGone);
        EXPECT_EQ(t.read("comune/.LexOrda.Sco.journal"), c.journalGone ? "" : journal);
    }
}
