// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/Files.h"
#include "doubles/TempFolder.h"
#include "game/Deal.h"
#include "platform/FileLayout.h"
#include "records/PlayerSettings.h"
#include "records/RecordsTable.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <clocale>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> linesOf(Files& f, const std::string& name, size_t maxLine = 4096,
                                 FileKind kind = FileKind::Data)
{
    std::vector<std::string> out;
    (void)f.readLines(
        name,
        [&](std::string_view l) {
            out.emplace_back(l);
            return true;
        },
        maxLine, kind);
    return out;
}

} // namespace

TEST(DiskFiles, MatchesNamesInAnyCase)
{
    TempFolder t;
    t.write("lexorda.sco", "x\r\n");
    DiskFiles f(t.path.string());
    EXPECT_TRUE(f.exists("LexOrda.Sco"));
    EXPECT_EQ(linesOf(f, "LEXORDA.SCO"), std::vector<std::string>{"x"});
    // A rewrite keeps the existing file's spelling instead of adding a twin.
    ASSERT_EQ(f.rewrite("LexOrda.Sco", {"y"}), Error::None);
    EXPECT_EQ(t.read("lexorda.sco"), "y\r\n");
    EXPECT_FALSE(fs::exists(t.path / "LexOrda.Sco") && fs::exists(t.path / "lexorda.sco") &&
                 !fs::equivalent(t.path / "LexOrda.Sco", t.path / "lexorda.sco"));
    // The desktop is handed the spelling on disk.
    EXPECT_EQ(f.pathOf("LEXORDA.SCO"), (t.path / "lexorda.sco").string());
    EXPECT_EQ(f.pathOf("LexOrda.ini"), "");
    // A new file gets the spelling that writes it.
    ASSERT_EQ(f.rewrite("LexOrda.ini", {"Nome=A"}), Error::None);
    EXPECT_EQ(t.read("LexOrda.ini"), "Nome=A\r\n");
}

TEST(DiskFiles, DirectoriesAndHiddenFilesCountAsAbsent)
{
    TempFolder t;
    fs::create_directory(t.path / "LexOrda.ini");
    t.write(".hidden", "x");
    DiskFiles f(t.path.string());
    EXPECT_FALSE(f.exists("lexorda.ini"));
    EXPECT_FALSE(f.exists(".hidden"));
    EXPECT_EQ(f.readLines("lexorda.ini", [](std::string_view) { return true; }), Error::NotFound);
    EXPECT_EQ(f.rewrite("LexOrda.ini", {"Nome=A"}), Error::Unwritable);
    EXPECT_EQ(f.touch("LexOrda.ini"), Error::Unwritable);
}

TEST(DiskFiles, LinesEndAtCrLfLoneCrOrLf)
{
    TempFolder t;
    t.write("a", "one\r\ntwo\rthree\nfour\r\n");
    t.write("b", "last line without end");
    t.write("c", "\r\n\r\n");
    t.write("d", "");
    DiskFiles f(t.path.string());
    EXPECT_EQ(linesOf(f, "a"), (std::vector<std::string>{"one", "two", "three", "four"}));
    EXPECT_EQ(linesOf(f, "b"), std::vector<std::string>{"last line without end"});
    EXPECT_EQ(linesOf(f, "c"), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(linesOf(f, "d").empty());
}

TEST(DiskFiles, LongLinesAreCutAndReadingCanStop)
{
    TempFolder t;
    std::string big(3 * 65536 + 17, 'x');
    t.write("a", big + "\r\nnext\r\n");
    DiskFiles f(t.path.string());
    auto lines = linesOf(f, "a", 10);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(10, 'x'));
    EXPECT_EQ(lines[1], "next");
    int seen = 0;
    (void)f.readLines("a", [&](std::string_view) {
        ++seen;
        return false;
    });
    EXPECT_EQ(seen, 1);
}

TEST(DiskFiles, BinaryBytesPassThroughUnchanged)
{
    TempFolder t;
    std::string bytes;
    for (int c = 0; c < 256; ++c)
        if (c != '\r' && c != '\n') bytes += static_cast<char>(c);
    t.write("bin", bytes);
    DiskFiles f(t.path.string());
    EXPECT_EQ(linesOf(f, "bin"), std::vector<std::string>{bytes});
}

TEST(DiskFiles, RewriteLeavesNoTemporaryFileAndTouchCreatesEmpty)
{
    TempFolder t;
    DiskFiles f(t.path.string());
    EXPECT_EQ(f.touch("LexOrda.sco"), Error::None);
    EXPECT_TRUE(f.exists("LEXORDA.SCO"));
    EXPECT_EQ(t.read("LexOrda.sco"), "");
    t.write("LexOrda.sco", "keep");
    EXPECT_EQ(f.touch("LexOrda.Sco"), Error::None);
    EXPECT_EQ(t.read("LexOrda.sco"), "keep");
    ASSERT_EQ(f.rewrite("LexOrda.Sco", {"a", "b"}), Error::None);
    EXPECT_EQ(t.read("LexOrda.sco"), "a\r\nb\r\n");
    int entries = 0;
    for (auto& e : fs::directory_iterator(t.path)) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST(DiskFiles, ASaveClearsTemporariesLeftByACrash)
{
    TempFolder t;
    t.write("LexOrda.Sco.tmp-OLD123", "half");
    t.write("LexOrda.Sco.tmp-NEW456", "in progress");
    t.write("LexOrda.ini.tmp-OTHER1", "not ours");
    auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(t.path / "LexOrda.Sco.tmp-OLD123", old);
    fs::last_write_time(t.path / "LexOrda.ini.tmp-OTHER1", old);
    DiskFiles f(t.path.string());
    ASSERT_EQ(f.rewrite("LexOrda.Sco", {"a"}), Error::None);
    EXPECT_FALSE(fs::exists(t.path / "LexOrda.Sco.tmp-OLD123"));
    EXPECT_TRUE(fs::exists(t.path / "LexOrda.Sco.tmp-NEW456")); // maybe another save under way
    EXPECT_TRUE(fs::exists(t.path / "LexOrda.ini.tmp-OTHER1"));
}

TEST(DiskFiles, AFailedRewriteKeepsTheOldFile)
{
    TempFolder t;
    t.write("LexOrda.Sco", "old\r\n");
    // A folder that cannot be made: its parent is a file.
    DiskFiles f((t.path / "LexOrda.Sco" / "sub").string());
    EXPECT_EQ(f.rewrite("LexOrda.Sco", {"new"}), Error::NotAFolder);
    DiskFiles g(t.path.string());
    EXPECT_EQ(t.read("LexOrda.Sco"), "old\r\n");
    EXPECT_EQ(linesOf(g, "LexOrda.Sco"), std::vector<std::string>{"old"});
}

TEST(DiskFiles, ThePlayersFolderIsReadFirstAndTakesEveryWrite)
{
    TempFolder t;
    const fs::path data = t.path / "share", player = t.path / "home" / "parolix";
    fs::create_directory(data);
    std::ofstream(data / "lexorda.dat", std::ios::binary) << "WORDS\r\n";
    std::ofstream(data / "LEXORDA.SCO", std::ios::binary) << "SHIPPED    5       Fiori\r\n";
    std::ofstream(data / "LexOrda.ini", std::ios::binary) << "Nome=DATA\r\n";
    DiskFiles f(data.string(), player.string());

    // Nothing of the player's yet: the data folder answers, and asking made nothing.
    EXPECT_EQ(linesOf(f, "LexOrda.DAT"), std::vector<std::string>{"WORDS"});
    EXPECT_EQ(f.touch("LexOrda.Sco"), Error::None);
    EXPECT_EQ(linesOf(f, "LexOrda.sco"), std::vector<std::string>{"SHIPPED    5       Fiori"});
    EXPECT_FALSE(fs::exists(player.parent_path()));

    // The first save makes the folder (its owner's alone) and lands there.
    ASSERT_EQ(f.rewrite("LexOrda.Sco", {"MARIO      9       Animali"}), Error::None);
#ifndef _WIN32 // a folder's mode, which Windows has not
    EXPECT_EQ(fs::status(player).permissions() & fs::perms::all, fs::perms::owner_all);
#endif
    EXPECT_EQ(linesOf(f, "LEXORDA.SCO"), std::vector<std::string>{"MARIO      9       Animali"});
    std::ofstream(player / "lexorda.ini", std::ios::binary) << "Nome=MINE\r\n";
    EXPECT_EQ(linesOf(f, "Lexorda.INI"), std::vector<std::string>{"Nome=MINE"});
    ASSERT_EQ(f.rewrite("LexOrda.ini", {"Nome=NEW"}), Error::None);
    EXPECT_EQ(linesOf(f, "LexOrda.ini"), std::vector<std::string>{"Nome=NEW"});
    EXPECT_EQ(f.resolve("lexorda.dat"), (data / "lexorda.dat").string());

    // The data folder is never written; the player's holds only the two saves.
    std::vector<std::string> mine;
    for (auto& e : fs::directory_iterator(player)) mine.push_back(e.path().filename().string());
    std::sort(mine.begin(), mine.end());
    EXPECT_EQ(mine, (std::vector<std::string>{"LexOrda.Sco", "lexorda.ini"}));
    std::ifstream shipped(data / "LEXORDA.SCO", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(shipped), {}), "SHIPPED    5       Fiori\r\n");

    // A player's folder that cannot be made, for a file in the way (HOME
    // or XDG_DATA_HOME a file, or the folder itself), fails the writes, not
    // the reads, and says why.
    t.write("blocker", "");
    for (const fs::path& blocked : {t.path / "blocker" / "parolix", t.path / "blocker"}) {
        DiskFiles g(data.string(), blocked.string());
        EXPECT_EQ(g.rewrite("LexOrda.ini", {"Nome=X"}), Error::NotAFolder) << blocked;
        EXPECT_EQ(g.touch("LexOrda.new"), Error::NotAFolder) << blocked;
        EXPECT_EQ(linesOf(g, "LexOrda.ini"), std::vector<std::string>{"Nome=DATA"}) << blocked;
    }
}

// A portable copy whose folder was read-only for a while, then writable,
// then read-only again: each time the files saved last are read, wherever
// they were saved, so no name or score made meanwhile is lost.
TEST(DiskFiles, APortableCopyReadsThePlayersFilesSavedLast)
{
    TempFolder t;
    const fs::path program = t.path / "parolix", home = t.path / "home" / "parolix";
    fs::create_directory(program);
    std::ofstream(program / "lexorda.DAT", std::ios::binary) << "GATTO\r\n";
    std::ofstream(program / "LexOrda.Sco", std::ios::binary) << "PRIMA      50      Animali\r\n";
    // A run of the copy, its folder writable or not: the name read, then a
    // game and the name saved. Time passes (five minutes) before each run.
    const auto run = [&](bool writable, const char* name, int32_t score) {
        for (const fs::path& folder : {program, home})
            for (const char* n : {"LexOrda.Sco", "LexOrda.ini"})
                if (fs::exists(folder / n))
                    fs::last_write_time(folder / n, fs::last_write_time(folder / n) - std::chrono::minutes(5));
        const FileLayout l = chooseFileLayout({program.string(), true, writable, "", home.string()});
        DiskFiles f(l.dataFolder, l.playerFolder);
        f.setOtherPlayerFolder(l.otherPlayerFolder);
        const std::string before = readPlayerName(f);
        Session s;
        fillGenreTables(s);
        s.PlayerName = name;
        s.Score = score;
        EXPECT_EQ(RecordsTable().UpdateRecords(s, f).error, Error::None);
        EXPECT_EQ(writePlayerName(f, name), Error::None);
        return before;
    };
    run(false, "SOLA", 100);                    // read-only: saved at home
    EXPECT_EQ(run(true, "SCRIVE", 70), "SOLA"); // writable again: saved beside the program
    EXPECT_EQ(run(false, "ANCORA", 60), "SCRIVE");
    std::ifstream in(home / "LexOrda.Sco", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}).substr(0, 112),
              "SOLA       100     Animali\r\nSCRIVE     70      Animali\r\n"
              "ANCORA     60      Animali\r\nPRIMA      50      Animali\r\n");
}

// A save keeps what the player set up around the file: its mode, a link to
// where the file really lives, a file made read-only.
TEST(DiskFiles, ASaveRespectsModeLinksAndReadOnlyFiles)
{
    TempFolder t;
    DiskFiles f(t.path.string());
    const auto mode = [&] { return fs::status(t.path / "LexOrda.Sco").permissions() & fs::perms::all; };

#ifndef _WIN32 // modes and links are POSIX's: Windows has attributes, and links need a privilege
    // Shared with a group, which no umask would give a new file.
    const fs::perms shared =
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::group_write;
    t.write("LexOrda.Sco", "old\r\n");
    fs::permissions(t.path / "LexOrda.Sco", shared);
    ASSERT_EQ(f.rewrite("LexOrda.Sco", {"new"}), Error::None);
    EXPECT_EQ(t.read("LexOrda.Sco"), "new\r\n");
    EXPECT_EQ(mode(), shared);

    // Written through the link; the link stays a link.
    fs::create_directory(t.path / "elsewhere");
    t.write("elsewhere/punti.txt", "old\r\n");
    fs::create_symlink("elsewhere/punti.txt", t.path / "lexorda.ini");
    ASSERT_EQ(f.rewrite("LexOrda.ini", {"Nome=MARIO"}), Error::None);
    EXPECT_TRUE(fs::is_symlink(t.path / "lexorda.ini"));
    EXPECT_EQ(t.read("elsewhere/punti.txt"), "Nome=MARIO\r\n");
    EXPECT_EQ(linesOf(f, "LexOrda.ini"), std::vector<std::string>{"Nome=MARIO"});
#endif

    // A read-only file is not replaced, whoever runs the game.
    t.write("LexOrda.Sco", "keep\r\n");
    fs::permissions(t.path / "LexOrda.Sco", fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(f.rewrite("LexOrda.Sco", {"new"}), Error::Unwritable);
    EXPECT_EQ(t.read("LexOrda.Sco"), "keep\r\n");
#ifdef _WIN32
    EXPECT_EQ(mode() & fs::perms::owner_write, fs::perms::none);   // the read-only attribute stays
    fs::permissions(t.path / "LexOrda.Sco", fs::perms::owner_all); // else the folder cannot go
#else
    EXPECT_EQ(mode(), fs::perms::owner_read | fs::perms::group_read);
#endif
}

// A file a Linux editor saved as UTF-8 is read in the game's code page; a
// code page 1252 file, or anything not wholly UTF-8, byte for byte. On disk
// and in memory alike. From other desks: a byte order mark with CR LF, letters
// decomposed, names in other capitals under a Turkish locale.
TEST(DiskFiles, FilesFromOtherDesksAreReadInTheGamesCodePage)
{
    // The first byte above ASCII lies past the reader's first 64 KB, and its
    // sequence straddles the boundary.
    std::string past64k;
    for (int i = 0; i < 16383; ++i) past64k += "ab\r\n";
    const struct {
        const char* what;
        std::string bytes;
        std::vector<std::string> lines;
        const char* name = "lexorda.DAT"; // the game's own files are read as such
        const char* spelt = nullptr;      // on disk, then read under a Turkish locale
    } cases[] = {
        {"UTF-8", "CITT\xC3\x80\r\nPI\xC3\x99", {"CITT\xC0", "PI\xD9"}},
        {"code page 1252", "CITT\xC0\r\n", {"CITT\xC0"}},
        {"without a cp1252 form", "\xE2\x82\xAC \xC4\x80 \xF0\x9F\x98\x80", {"\x80 ? ?"}},
        {"byte order mark", "\xEF\xBB\xBFNome=mario\r\n", {"Nome=mario"}},
        {"UTF-8, then one stray byte", "CITT\xC3\x80\r\nPER\xD2\r\n", {"CITT\xC3\x80", "PER\xD2"}},
        {"overlong", "A\xC0\x80", {"A\xC0\x80"}},
        {"surrogate", "\xED\xA0\x80", {"\xED\xA0\x80"}},
        {"cut short", "CITT\xC3", {"CITT\xC3"}},
        {"past 64 KB", past64k + "abc\xC3\x80\r\n", {}},
        {"decomposed", "ZOE\xCC\x88\nCITTA\xCC\x80\n\xCC\x81X s\xCC\x8C\xCC\x8C", {"ZO\xCB", "CITT\xC0", "?X \x9A?"}},
        {"Notepad's settings", "\xEF\xBB\xBFNome=ZOE\xCC\x88\r\n", {"Nome=ZO\xCB"}, "LexOrda.ini"},
        {"Notepad's records", "\xEF\xBB\xBFNICCOL\xC3\x92 9 Frutti\r\n", {"NICCOL\xD2 9 Frutti"}, "LexOrda.Sco"},
        {"Turkish locale", "Nome=MARIO\r\n", {"Nome=MARIO"}, "LexOrda.ini", "LEXORDA.INI"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder t;
        DiskFiles f(t.path.string());
        const FileKind kind = c.name == std::string("lexorda.DAT") ? FileKind::Data : FileKind::Own;
        t.write(c.spelt ? c.spelt : c.name, c.bytes);
#ifdef _WIN32
        if (c.spelt) continue; // no localedef to make a Turkish locale with
#else
        // A Turkish desktop's locale, made here (no root needed): tolower('I') is no 'i'. Under
        // emulation the host's tool makes it, in the byte order of the CPU the test runs on.
        static TempFolder locales;
        static const int made = ::system(("localedef -i tr_TR -f UTF-8 " +
                                          std::string(std::endian::native == std::endian::big ? "--big-endian " : "") +
                                          locales.path.string() + "/tr_TR.UTF-8")
                                             .c_str());
        ASSERT_TRUE(!c.spelt || (made == 0 && ::setenv("LOCPATH", locales.path.c_str(), 1) == 0 &&
                                 std::setlocale(LC_ALL, "tr_TR.UTF-8") && std::tolower('I') != 'i'));
#endif
        std::vector<std::string> inMemory;
        splitLines(
            c.bytes,
            [&](std::string_view l) {
                inMemory.emplace_back(l);
                return true;
            },
            4096, kind);
        const std::vector<std::string> onDisk = linesOf(f, c.name, 4096, kind);
        EXPECT_EQ(onDisk, inMemory);
        if (!c.lines.empty()) EXPECT_EQ(onDisk, c.lines);
        else EXPECT_EQ(onDisk.back(), "abc\xC0");
        if (kind == FileKind::Own) { // written back into the same file, in the code page with CR LF
            ASSERT_EQ(f.rewrite(c.name, c.lines), Error::None);
            EXPECT_EQ(t.read(c.spelt ? c.spelt : c.name), c.lines[0] + "\r\n");
            EXPECT_EQ(std::distance(fs::directory_iterator(t.path), {}), 1);
        }
        std::setlocale(LC_ALL, "C");
#ifndef _WIN32
        ::unsetenv("LOCPATH");
#endif
    }
}

// The settings file at the game's size limit: the name's line is read when
// it ends (at its CR) within OwnFileMax bytes, or when the whole file is no
// larger than that; one byte further and the file is damaged. The bytes
// past the limit are never looked at.
TEST(DiskFiles, TheSettingsFileAtTheSizeLimit)
{
    const auto line = [](size_t size) { return "Nome=ANNA" + std::string(size - 9, ' '); };
    const size_t cap = OwnFileMax;
    const struct {
        const char* what;
        std::string file;
        bool read;
    } cases[] = {
        {"CR LF the limit's last two bytes", line(cap - 2) + "\r\n", true},
        {"CR LF the limit's last two bytes, a byte after them", line(cap - 2) + "\r\nX", true},
        {"CR the limit's last byte, LF past it", line(cap - 1) + "\r\n", true},
        {"CR a byte past the limit", line(cap) + "\r\n", false},
        {"no line end, the limit's size", line(cap), true},
        {"no line end, a byte larger", line(cap + 1), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder t;
        t.write("LexOrda.ini", c.file);
        DiskFiles files(t.path.string());
        Error error = Error::None;
        EXPECT_EQ(readPlayerName(files, &error), c.read ? "ANNA" : "ANONIMO");
        EXPECT_EQ(error, c.read ? Error::None : Error::FileTooLarge);
    }
}

// The word list's limits at their edges, read from disk: a section keeps
// 100, 101 and then still 101 words; a word of 64 letters is kept whole and
// one of 65 loses its last, and what is cut off is no word of its own.
TEST(DiskFiles, TheWordListsLimitsAtTheirEdges)
{
    const auto words = [](int n) {
        std::string text = "\x10"
                           "Animali\r\n";
        for (int i = 0; i < n; ++i) text += "W" + std::to_string(i) + "\r\n";
        return text + "\x10"
                      "Frutti\r\nMELA\r\n";
    };
    std::string alphabet;
    while (alphabet.size() < 66) alphabet += "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const std::string w64 = alphabet.substr(0, 64), w65 = alphabet.substr(1, 65);
    const std::string longWords = "\x10"
                                  "Animali\r\n" +
                                  w64 + "\r\n" + w65 + "\r\nNEXT\r\n";
    const struct {
        const char* what;
        std::string file;
        std::vector<std::string> first, last; // the first and last words kept
        int count;
    } cases[] = {
        {"100 words", words(100), {"W0"}, {"W99"}, 100},
        {"101 words", words(101), {"W0"}, {"W100"}, 101},
        {"102 words", words(102), {"W0"}, {"W100"}, 101},
        {"64 and 65 letters", longWords, {w64}, {w65.substr(0, 64), "NEXT"}, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder t;
        t.write(WordListFile, c.file);
        DiskFiles files(t.path.string());
        GenreWords w;
        const Result<int> read = readSection(files, "Animali", w);
        EXPECT_EQ(read.error, Error::None);
        ASSERT_EQ(read.value, c.count);
        for (size_t i = 0; i < c.first.size(); ++i) EXPECT_EQ(w.slot[i], c.first[i]) << i;
        for (size_t i = 0; i < c.last.size(); ++i)
            EXPECT_EQ(w.slot[static_cast<size_t>(c.count) - c.last.size() + i], c.last[i]) << i;
    }
}
