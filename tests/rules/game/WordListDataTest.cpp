// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The word list that ships with the game: every genre has a playable section
// whose words fit a board row and can be told apart on the board.
#include "doubles/RulesDoubles.h"
#include "game/Deal.h"
#include "platform/Files.h"
#include "session/Cp1252.h"
#include "session/Session.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

std::vector<std::string> genreNames()
{
    std::vector<std::string> names;
    for (const Genre& g : Genres) names.emplace_back(g.name);
    return names;
}

// Upper-case letters of code page 1252 (A-Z and the accented capitals), the
// blank and the apostrophe: what a word on the board may be made of.
bool wordCharacter(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || c == ' ' || c == '\'' || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}

TEST(WordListData, HeadersNameTheGenresInOrder)
{
    Session s;
    fillGenreTables(s);
    DiskFiles files(PAROLIX_DATA_DIR);
    std::vector<std::string> headers;
    std::vector<int> linesPerSection;
    bool firstLineIsHeader = false;
    bool first = true;
    ASSERT_EQ(files.readLines(WordListFile,
                              [&](std::string_view line) {
                                  bool header = !line.empty() && line[0] == SectionMark;
                                  if (first) firstLineIsHeader = header;
                                  first = false;
                                  if (header) {
                                      headers.emplace_back(line.substr(1));
                                      linesPerSection.push_back(0);
                                  } else if (!linesPerSection.empty()) {
                                      ++linesPerSection.back();
                                  }
                                  return true;
                              }),
              Error::None);
    EXPECT_TRUE(firstLineIsHeader) << "lines before the first header belong to no genre";
    EXPECT_EQ(headers, genreNames());
    for (int t = 0; t < GenreCount; ++t) EXPECT_EQ(s.GenreNames[t], Genres[t].name);
    // Counted here, not through readSection, which would stop at 101.
    for (size_t i = 0; i < linesPerSection.size(); ++i) {
        EXPECT_GE(linesPerSection[i], 60) << headers[i];
        EXPECT_LE(linesPerSection[i], MaxSectionWords) << headers[i];
    }
}

TEST(WordListData, EverySectionHoldsDistinctUpperCaseWordsThatFitARow)
{
    DiskFiles files(PAROLIX_DATA_DIR);
    for (const std::string& genre : genreNames()) {
        SCOPED_TRACE(genre);
        GenreWords words;
        const Result<int> read = readSection(files, genre, words);
        ASSERT_EQ(read.error, Error::None);
        const int count = read.value;
        EXPECT_GE(count, 60);
        EXPECT_LE(count, MaxSectionWords);
        std::set<std::string> seen;
        for (int i = 0; i < count; ++i) {
            const std::string& w = words.slot[i];
            SCOPED_TRACE(w);
            EXPECT_FALSE(w.empty()) << "empty line " << i + 1;
            if (w.empty()) continue;
            EXPECT_LE(w.size(), 10u);
            EXPECT_EQ(w, upperCp1252(w));
            for (unsigned char c : w) EXPECT_TRUE(wordCharacter(c)) << "byte " << int(c);
            // A blank at either end, or two in a row, would be boxes nobody can fill.
            EXPECT_NE(w.front(), ' ');
            EXPECT_NE(w.back(), ' ');
            EXPECT_EQ(w.find("  "), std::string::npos);
            EXPECT_TRUE(seen.insert(w).second) << "twice in the section";
        }
    }
}

TEST(WordListData, EveryLineEndsInCrLf)
{
    std::string raw = readDataFile(WordListFile);
    ASSERT_GE(raw.size(), 2u);
    EXPECT_EQ(raw.substr(raw.size() - 2), "\r\n");
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\n') {
            EXPECT_TRUE(i > 0 && raw[i - 1] == '\r') << "bare LF at byte " << i;
        }
        if (raw[i] == '\r') {
            EXPECT_TRUE(i + 1 < raw.size() && raw[i + 1] == '\n') << "bare CR at byte " << i;
        }
    }
    EXPECT_EQ(raw.find("\r\n\r\n"), std::string::npos) << "empty line";
}

} // namespace
