// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The records file on a real disk: its spelling, its line ends, and folders
// that will not take it.
#include "RecordsTestData.h"
#include "doubles/TempFolder.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

class DiskFolder : public ::testing::Test {
protected:
    TempFolder folder;
    const std::string dir = folder.path.string();

    void TearDown() override
    {
        // Back to a folder the clean-up can remove.
        setImmutable(false);
        fs::permissions(dir, fs::perms::owner_all);
    }
    std::string read(const std::string& name) const { return folder.read(name); }
    void write(const std::string& name, const std::string& bytes) const { folder.write(name, bytes); }
    // What the player sees in the folder; the save's lock is a hidden file.
    long visibleEntries() const
    {
        return std::count_if(fs::directory_iterator(dir), fs::directory_iterator(),
                             [](const fs::directory_entry& e) { return e.path().filename().string()[0] != '.'; });
    }
    bool canCreateIn() const
    {
        fs::path probe = fs::path(dir) / "probe";
        int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT, 0666);
        if (fd < 0) return false;
        ::close(fd);
        ::unlink(probe.c_str());
        return true;
    }
    bool setImmutable(bool on)
    {
        int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0) return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (ok) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return ok;
    }
    // A folder that takes no new files. The owner (root) ignores the mode
    // bits, so the immutable flag stands in where it can.
    bool makeReadOnly()
    {
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
        if (!canCreateIn()) return true;
        setImmutable(true);
        return !canCreateIn();
    }
};

TEST_F(DiskFolder, WritesTenLinesWithCrLf)
{
    DiskFiles files(dir);
    write("LEXORDA.SCO", "ANONIMO    125     Animali\n");
    RecordsTable table;
    Result<RecordLines> shown = table.UpdateRecords(gameEnd("ANNA", 300, 0), files);
    EXPECT_EQ(shown.error, Error::None);
    EXPECT_EQ(shown.value.size(), 2u);
    std::string expected = "ANNA       300     Animali\r\nANONIMO    125     Animali\r\n";
    for (int i = 0; i < 8; ++i) expected += EmptyEntry + "\r\n";
    EXPECT_EQ(read("LEXORDA.SCO"), expected); // the existing spelling is kept
    EXPECT_EQ(visibleEntries(), 1);
}

TEST_F(DiskFolder, ReadOnlyFolderKeepsTheOldFile)
{
    std::string old = joinCrLf(tenEntries(TenScores));
    write("LexOrda.Sco", old);
    if (!makeReadOnly()) GTEST_SKIP() << "cannot make a read-only folder here";
    DiskFiles files(dir);
    RecordsTable table;
    Result<RecordLines> shown = table.UpdateRecords(gameEnd("MARIO", 5000), files);
    EXPECT_EQ(shown.error, Error::Unwritable);
    EXPECT_EQ(shown.value.size(), 11u);
    EXPECT_EQ(read("LexOrda.Sco"), old);
    EXPECT_EQ(table.RecordScores[1], 0);
    EXPECT_EQ(visibleEntries(), 1);
}

TEST_F(DiskFolder, DirectoryInPlaceOfTheFile)
{
    fs::create_directory(fs::path(dir) / "LexOrda.Sco");
    write("LexOrda.Sco/inside", "keep");
    DiskFiles files(dir);
    RecordsTable table;
    Result<RecordLines> shown = table.UpdateRecords(gameEnd("MARIO", 5000), files);
    EXPECT_EQ(shown.error, Error::Unwritable);
    EXPECT_EQ(shown.value, std::vector<std::string>{"TABELLA RECORDS"});
    EXPECT_EQ(read("LexOrda.Sco/inside"), "keep");
    EXPECT_EQ(visibleEntries(), 1);
    EXPECT_EQ(readRecordLines(files).value, std::vector<std::string>{"TABELLA RECORDS"});
}
