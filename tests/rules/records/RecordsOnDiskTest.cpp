// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The records file on a real disk: its spelling, its line ends, and folders
// that will not take it.
#include "RecordsTestData.h"
#include "doubles/TempFolder.h"
#include "platform/Files.h"
#include "records/GameJournal.h"

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

TEST_F(DiskFolder, WritesTheKeptLinesWithCrLf)
{
    DiskFiles files(dir);
    write("LEXORDA.SCO", "ANONIMO    125     Animali\n");
    RecordsTable table;
    Result<RecordLines> shown = table.UpdateRecords(gameEnd("ANNA", 300, 0), files);
    EXPECT_EQ(shown.error, Error::None);
    EXPECT_EQ(shown.value.size(), 2u);
    std::string expected = "ANNA       300     Animali\r\nANONIMO    125     Animali\r\n";
    for (int i = 2; i < RecordsKept; ++i) expected += EmptyEntry + "\r\n";
    EXPECT_EQ(read("LEXORDA.SCO"), expected); // the existing spelling is kept
    EXPECT_EQ(visibleEntries(), 1);
}

TEST_F(DiskFolder, ReadOnlyFolderKeepsTheOldFile)
{
    std::string old = joinCrLf(entriesWith(FullScores));
    write("LexOrda.Sco", old);
    if (!makeReadOnly()) GTEST_SKIP() << "cannot make a read-only folder here";
    DiskFiles files(dir);
    RecordsTable table;
    Result<RecordLines> shown = table.UpdateRecords(gameEnd("MARIO", 5000), files);
    EXPECT_EQ(shown.error, Error::Unwritable);
    EXPECT_EQ(shown.value.size(), RecordsKept + 1u);
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

// A records file at the game's size limit: a thousand lines (as many as the
// list shows) that end exactly at OwnFileMax bytes are read, and the
// RecordsKept best written anew, whatever follows them (a line ends at its CR); a
// thousandth line that ends one byte past the limit makes the file damaged,
// and it is kept byte for byte.
TEST_F(DiskFolder, ARecordsFileAtTheSizeLimit)
{
    std::vector<std::string> head = {"ANNA       500     Animali"};
    head.resize(RecordsKept, "ZZ         0       Animali");
    const auto fileOf = [&](int longer, const std::string& after) {
        std::string text = joinCrLf(head);
        const size_t fillers = MaxListedLines - head.size(), each = (OwnFileMax - text.size()) / fillers;
        for (size_t i = 1; i < fillers; ++i) text += std::string(each - 2, 'x') + "\r\n";
        text += std::string(OwnFileMax - text.size() - 2 + longer, 'y') + "\r\n";
        return text + after;
    };
    const struct {
        const char* what;
        std::string file;
        Error error;
        size_t listed; // lines of the file shown
    } cases[] = {
        {"ending at the limit", fileOf(0, ""), Error::None, MaxListedLines},
        {"ending at the limit, more lines after it", fileOf(0, "dopo\r\n"), Error::None, MaxListedLines},
        {"its CR the limit's last byte, its LF past it", fileOf(1, ""), Error::None, MaxListedLines},
        {"its CR a byte past the limit", fileOf(2, ""), Error::FileTooLarge, MaxListedLines - 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        write("LexOrda.Sco", c.file);
        DiskFiles files(dir);
        const Result<RecordLines> shown = readRecordLines(files);
        EXPECT_EQ(shown.error, c.error);
        // The file's first lines, byte for byte, after the title.
        std::vector<std::string> lines{RecordsTitle};
        for (size_t at = 0; lines.size() <= c.listed; at = c.file.find("\r\n", at) + 2)
            lines.push_back(c.file.substr(at, c.file.find("\r\n", at) - at));
        EXPECT_TRUE(shown.value == lines) << "lines shown: " << shown.value.size();
        RecordsTable table;
        EXPECT_EQ(table.UpdateRecords(gameEnd("BRUNO", 600, 0), files).error, c.error);
        std::vector<std::string> best = {"BRUNO      600     Animali"};
        best.insert(best.end(), head.begin(), head.end() - 1);
        EXPECT_TRUE(read("LexOrda.Sco") == (c.error == Error::None ? joinCrLf(best) : c.file))
            << read("LexOrda.Sco").substr(0, 200);
    }
}

// A journal left beside the records at the next start: what becomes of it.
TEST_F(DiskFolder, AJournalLeftByAnUnseenEndingIsEnteredOnceOrSetAside)
{
    const std::string good = "Parolix partita 1\r\nNome=MARIO\r\nPunti=120\r\nGenere=Animali\r\n";
    // Its text, its game's lock still held, the records' first line after two starts, set aside.
    const struct {
        const char* what;
        std::string text;
        bool running;
        const char* firstLine;
        size_t setAside;
    } cases[] = {
        {"a dead game's", good, false, "MARIO      120     Animali", 0},
        {"a running game's", good, true, "", 0},
        {"an older version's", "Parolix partita 0\r\nNome=MARIO\r\nPunti=120\r\n", false, "", 1},
        {"a damaged one", "Parolix partita 1\r\nNome=MARIO\r\nPunti=12x\r\nGenere=Animali\r\n", false, "", 1},
        {"one of an unknown genre", "Parolix partita 1\r\nNome=MARIO\r\nPunti=9\r\nGenere=Pianeti\r\n", false, "", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(dir);
        fs::create_directory(dir);
        DiskFiles files(dir), other(dir);
        write(".lexorda-partita-7-1-1", c.text);
        write(".lexorda-partita-7-1-1.tmp-AbC123", "Parolix"); // a save of it cut short by the kill
        std::unique_ptr<FileHold> running;
        EXPECT_EQ(c.running ? other.holdNote(".lexorda-partita-7-1-1", true, running) : Error::None, Error::None);
        RecordsTable records;
        const JournalRecovery first = recoverJournals(files, records);
        const JournalRecovery second = recoverJournals(files, records);
        EXPECT_EQ(first.setAside.size(), c.setAside);
        EXPECT_TRUE(second.entered.empty() && second.setAside.empty());
        EXPECT_EQ(read("LexOrda.Sco").substr(0, read("LexOrda.Sco").find('\r')), c.firstLine);
        EXPECT_EQ(fs::exists(fs::path(dir) / ".lexorda-partita-7-1-1"), c.running);
        EXPECT_EQ(fs::exists(fs::path(dir) / ".lexorda-partita-7-1-1.tmp-AbC123"), c.running);
        EXPECT_EQ(read(".lexorda-scartata-7-1-1"), c.setAside ? c.text : "");
    }
}
