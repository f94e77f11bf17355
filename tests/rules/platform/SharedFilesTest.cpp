// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The records and settings files among other users, on odd file systems and
// in odd shapes: real users (numeric ids, which is all the kernel knows of a
// user), a real group, a full tmpfs, sparse files of gigabytes. The cases
// that need root say so and are skipped without it.
#include "platform/Files.h"
#include "records/PlayerSettings.h"
#include "records/RecordsTable.h"
#include "session/Cp1252.h"
#include "doubles/TempFolder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <iterator>
#include <gtest/gtest.h>
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

// Runs `work` in a child process as this user, with its own group and the
// players' group, and gives what it returns (or 99 when it could not become
// that user).
int asUser(uid_t uid, gid_t own, const std::function<int()>& work)
{
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const gid_t groups[] = {own, Players};
        if (::setgroups(2, groups) != 0 || ::setresgid(own, own, own) != 0 || ::setresuid(uid, uid, uid) != 0)
            ::_exit(99);
        ::umask(002); // as players who share files with a group set it
        ::_exit(work());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

// One game's end: the score entered and the file rewritten; what it gives.
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

struct stat statOf(const fs::path& p)
{
    struct stat st {};
    ::stat(p.c_str(), &st);
    return st;
}

#define NEED_ROOT()                                                                              \
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as other users; skipped"

} // namespace

// A records file kept by a group: Anna's, group-writable, in a folder of the
// group. Bruno's save keeps it Anna's, with its group, mode and hard links,
// so her saves still work and nobody's scores go.
TEST(SharedFiles, AGroupsRecordsFileKeepsItsOwnerGroupModeAndLinks)
{
    NEED_ROOT();
    TempFolder t;
    fs::permissions(t.path, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    const fs::path shared = t.path / "giochi";
    fs::create_directory(shared);
    ASSERT_EQ(::chown(shared.c_str(), 0, Players), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 02775), 0);
    const fs::path sco = shared / "LexOrda.Sco";

    ASSERT_EQ(asUser(Anna, AnnaOwn, [&] { return endGame(shared, "ANNA", 500); }), 0);
    const struct stat first = statOf(sco);
    ASSERT_EQ(first.st_uid, Anna);
    ASSERT_EQ(first.st_gid, Players);
    ASSERT_EQ(first.st_mode & 07777, 0664u);

    EXPECT_EQ(asUser(Bruno, BrunoOwn, [&] { return endGame(shared, "BRUNO", 300); }), 0);
    const struct stat after = statOf(sco);
    EXPECT_EQ(after.st_ino, first.st_ino);
    EXPECT_EQ(after.st_uid, Anna);
    EXPECT_EQ(after.st_gid, Players);
    EXPECT_EQ(after.st_mode & 07777, 0664u);

    // Anna can still save, and every score is there.
    EXPECT_EQ(asUser(Anna, AnnaOwn, [&] { return endGame(shared, "ANNA", 400); }), 0);
    std::ifstream in(sco, std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(in), {});
    EXPECT_TRUE(text.rfind("ANNA       500     Animali\r\nANNA       400     Animali\r\n"
                           "BRUNO      300     Animali\r\n", 0) == 0) << text;

    // A hard link to the file sees every save: Anna's own file, linked, is
    // written in place as well.
    ASSERT_EQ(::link(sco.c_str(), (shared / "copia.sco").c_str()), 0);
    const ino_t linked = statOf(sco).st_ino;
    EXPECT_EQ(asUser(Anna, AnnaOwn, [&] { return endGame(shared, "ANNA", 900); }), 0);
    EXPECT_EQ(statOf(sco).st_ino, linked);
    std::ifstream copy(shared / "copia.sco", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(copy), {}).substr(0, 26), "ANNA       900     Animali");

    // Nothing left beside the file but the lock and the link.
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(shared)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".lexorda.sco.lock", "LexOrda.Sco", "copia.sco"}));
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
    const fs::path open = t.path / "aperta", mine = t.path / "anna", own = t.path / "aperta2";
    for (const fs::path& p : {open, own, mine}) fs::create_directory(p);
    ASSERT_EQ(::chmod(open.c_str(), 01777), 0);
    ASSERT_EQ(::chmod(own.c_str(), 01777), 0);
    ASSERT_EQ(::chown(mine.c_str(), Anna, AnnaOwn), 0);
    ASSERT_EQ(asUser(Anna, AnnaOwn, [&] {
                  std::ofstream(mine / "tesi.txt", std::ios::binary) << "capitolo 1\r\n";
                  return 0;
              }), 0);

    ASSERT_EQ(asUser(Bruno, BrunoOwn, [&] {
                  return ::symlink((mine / "tesi.txt").c_str(), (open / "LexOrda.Sco").c_str()) |
                         ::symlink((mine / "nuovo.txt").c_str(), (open / "LexOrda.ini").c_str());
              }), 0);
    const int foreign = static_cast<int>(Error::ForeignLink);
    EXPECT_EQ(asUser(Anna, AnnaOwn, [&] { return endGame(open, "ANNA", 500); }), foreign);
    EXPECT_EQ(asUser(Anna, AnnaOwn, [&] {
                  DiskFiles files(open.string());
                  return static_cast<int>(writePlayerName(files, "ANNA"));
              }), foreign);
    EXPECT_EQ(asUser(Anna, AnnaOwn, [&] {
                  DiskFiles files(open.string());
                  return static_cast<int>(readRecordLines(files).error);
              }), foreign);
    std::ifstream thesis(mine / "tesi.txt", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(thesis), {}), "capitolo 1\r\n");
    EXPECT_FALSE(fs::exists(mine / "nuovo.txt"));

    // Anna's own link in such a folder is hers to follow.
    EXPECT_EQ(asUser(Anna, AnnaOwn, [&] {
                  if (::symlink((mine / "punti.sco").c_str(), (own / "LexOrda.Sco").c_str()) != 0) return 97;
                  return endGame(own, "ANNA", 500);
              }), 0);
    EXPECT_TRUE(fs::is_symlink(own / "LexOrda.Sco"));
    std::ifstream points(mine / "punti.sco", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(points), {}).substr(0, 28), "ANNA       500     Animali\r\n");
}

// A disk with no room, or no inodes, left: the save says the disk is full
// and the old file stays whole. A tmpfs of a few pages, mounted in a mount
// namespace of the test's own, so nothing shows outside it.
TEST(SharedFiles, AFullDiskOrNoInodesSaysSo)
{
    NEED_ROOT();
    TempFolder t;
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            ::_exit(77);
        int failed = 0;
        int check = 0;
        for (const char* options : {"size=64k", "size=1m,nr_inodes=8"}) {
            const fs::path disk = t.path / (std::string("disco") + std::to_string(check));
            fs::create_directory(disk);
            if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, options) != 0) ::_exit(77);
            if (endGame(disk, "ANNA", 500) != 0) failed |= 1 << check;
            DiskFiles files(disk.string());
            if (writePlayerName(files, "ANNA") != Error::None) failed |= 1 << check;
            std::ifstream before(disk / "LexOrda.Sco", std::ios::binary);
            const std::string old(std::istreambuf_iterator<char>(before), {});
            // Fill the disk: its blocks the first time, its inodes the second.
            for (int i = 0;; ++i) {
                const fs::path filler = disk / ("pieno" + std::to_string(i));
                const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT, 0600);
                if (fd < 0) break;
                static const std::string block(4096, 'x');
                if (check == 0)
                    while (::write(fd, block.data(), block.size()) > 0) {}
                ::close(fd);
                if (check == 0) break;
            }
            if (endGame(disk, "BRUNO", 900) != static_cast<int>(Error::DiskFull)) failed |= 4 << check;
            if (writePlayerName(files, "BRUNO") != Error::DiskFull) failed |= 16 << check;
            std::ifstream after(disk / "LexOrda.Sco", std::ios::binary);
            if (std::string(std::istreambuf_iterator<char>(after), {}) != old) failed |= 64 << check;
            if (readPlayerName(files) != "ANNA") failed |= 64 << check;
            ::umount(disk.c_str());
            ++check;
        }
        ::_exit(failed);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no mount namespace for a tmpfs here; skipped";
    // Bits: 1/2 saves before full, 4/8 records, 16/32 name, 64/128 old file
    // kept; the low bit of each pair for blocks, the high one for inodes.
    EXPECT_EQ(WEXITSTATUS(status), 0);
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
    Error nameError = Error::FileTooLarge;
    EXPECT_EQ(readPlayerName(files, &nameError), "ANNA");
    EXPECT_EQ(nameError, Error::None);
    EXPECT_EQ(readPlayerName(blankFiles, &nameError), "ANONIMO");
    EXPECT_EQ(nameError, Error::FileTooLarge);
    const auto named = std::chrono::steady_clock::now();
    Session s;
    fillGenreTables(s);
    s.PlayerName = "ANNA";
    s.Score = 700;
    RecordsTable table;
    EXPECT_EQ(table.UpdateRecords(s, files).error, Error::FileTooLarge);
    const Result<RecordLines> shown = readRecordLines(files);
    EXPECT_EQ(shown.error, Error::FileTooLarge);
    EXPECT_EQ(shown.value, (RecordLines{RecordsTitle, "ANNA       500     Animali"}));
    const auto done = std::chrono::steady_clock::now();

    EXPECT_EQ(fs::file_size(t.path / "LexOrda.Sco"), 4ull << 30);
    std::ifstream sco(t.path / "LexOrda.Sco", std::ios::binary);
    std::string head(28, '\0');
    sco.read(head.data(), 28);
    EXPECT_EQ(head, "ANNA       500     Animali\r\n");
    // The name saved again makes the settings file one line, the name kept.
    ASSERT_EQ(writePlayerName(files, readPlayerName(files)), Error::None);
    EXPECT_EQ(t.read("LexOrda.ini"), "Nome=ANNA\r\n");

    using ms = std::chrono::milliseconds;
    const auto nameMs = std::chrono::duration_cast<ms>(named - start).count();
    const auto recordsMs = std::chrono::duration_cast<ms>(done - named).count();
    std::printf("two 16 GB settings files read in %lld ms, a 4 GB records file refused twice in %lld ms\n",
                static_cast<long long>(nameMs), static_cast<long long>(recordsMs));
    EXPECT_LT(nameMs + recordsMs, 1000);
}

// Names whose code page bytes happen to spell UTF-8 come back from the
// game's own files as they were written, columns and all; a file a Linux
// editor saved in UTF-8 (lines ended by LF) is still read as UTF-8.
TEST(SharedFiles, TheGamesOwnFilesReadBackAsWritten)
{
    const char* names[] = {"\xC3\xA9", "\xC3\x80RIA", "\xE2\x82\xAC\xC3\xA8", "MARIO"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        TempFolder t;
        DiskFiles files(t.path.string());
        ASSERT_EQ(writePlayerName(files, name), Error::None);
        EXPECT_EQ(readPlayerName(files), upperCp1252(name));
        ASSERT_EQ(endGame(t.path, name, 16), 0);
        ASSERT_EQ(endGame(t.path, "ALTRO", 1), 0); // reads the line back and writes it anew
        const Result<RecordLines> shown = readRecordLines(files);
        ASSERT_GE(shown.value.size(), 3u);
        EXPECT_EQ(shown.value[1], formatRecordLine(name, 16, "Animali"));
        EXPECT_EQ(parseRecordLine(shown.value[1]).score, 16);
    }
    TempFolder t;
    t.write("LexOrda.ini", "Nome=\xC3\xA0ria\n");
    DiskFiles files(t.path.string());
    EXPECT_EQ(readPlayerName(files), "\xC0RIA");
}
