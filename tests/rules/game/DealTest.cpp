// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "game/Deal.h"
#include "doubles/RulesDoubles.h"
#include "doubles/Within.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

std::string wordList(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    return text;
}

// The characters of the pool, as a multiset, are the letters of the empty boxes
// plus one blank for each revealed box.
void expectBoardInvariants(const Session& s)
{
    std::string expected;
    for (int j = 1; j <= s.WordCount; ++j) {
        ASSERT_EQ(within(s.Words, j, "row").size(), s.BoxRows[j].size());
        for (size_t i = 0; i < s.Words[j].size(); ++i) expected += s.BoxRows[j][i] == ' ' ? s.Words[j][i] : ' ';
    }
    std::string pool = s.PoolLetters;
    std::sort(expected.begin(), expected.end());
    std::sort(pool.begin(), pool.end());
    EXPECT_EQ(pool, expected);
    EXPECT_EQ(s.PoolSize, static_cast<int>(s.PoolLetters.size()));
    EXPECT_EQ(s.PoolRemaining, s.PoolLetters);
    EXPECT_TRUE(s.Words[0].empty());
    EXPECT_TRUE(s.BoxRows[0].empty());
    for (int k = s.WordCount + 1; k <= 8; ++k) EXPECT_TRUE(s.Words[k].empty());
    EXPECT_LE(s.WordCount, 7);
}

} // namespace

struct DealTest : ::testing::Test {
    FakeClock clock;
    ScriptedRandom random;
    MemoryFiles files;
    Dealer dealer{files, random, clock, {}};
    Session s;

    void SetUp() override
    {
        fillGenreTables(s);
        s.HelpPercent = 41;
        s.openDealGate();
    }
    void script(std::initializer_list<double> draws) { random.draws = draws; }
};

TEST_F(DealTest, ClosedGateDealsNothing)
{
    s.closeDealGate();
    files.content["lexorda.dat"] = wordList({"\x10"
                                             "Animali",
                                             "GATTO"});
    const Result<bool> dealt = dealer.deal(s);
    EXPECT_TRUE(dealt.ok());
    EXPECT_FALSE(dealt.value);
    EXPECT_EQ(s.LetterBudget, 0);
}

TEST_F(DealTest, MissingWordListIsReportedNotFatal)
{
    const Result<bool> dealt = dealer.deal(s);
    EXPECT_EQ(dealt.error, Error::NotFound);
    EXPECT_FALSE(dealt.value);
}

TEST_F(DealTest, FirstDealRaisesBudgetLowersHelpAndTakesWordsUntilBudgetIsPassed)
{
    // A four-letter first word equals the budget of 4, so a second one is taken.
    files.content["LEXORDA.DAT"] = wordList({"\x10"
                                             "Animali",
                                             "ORSO", "GATTO", "CANE"});
    // attempt 1: idx 0 (ORSO), help n = 4*40/100 = 1 -> p = round(0.3*4+1) = 2
    // attempt 2: idx 1 (GATTO), n = 2 -> p = round(0*5+1)=1, then 0.5 -> 3.5 -> 4
    script({0.0, 0.3, 0.4, 0.0, 0.5});
    random.fallback = 0.0;
    EXPECT_TRUE(dealer.deal(s).value);
    EXPECT_EQ(s.LetterBudget, 4);
    EXPECT_EQ(s.HelpPercent, 40);
    ASSERT_EQ(s.WordCount, 2);
    EXPECT_EQ(s.Words[1], "ORSO");
    EXPECT_EQ(s.BoxRows[1], " R  ");
    EXPECT_EQ(s.Words[2], "GATTO");
    EXPECT_EQ(s.BoxRows[2], "G  T ");
    expectBoardInvariants(s);
    // Reseeded before each of the two word attempts and each of the 9 pool picks.
    EXPECT_EQ(random.seeds.size(), 2u + 9u);
}

// Words are taken until the budget is passed, or at the seventh; the same
// text on two lines is two entries. No help letters here: the pool holds
// every letter.
TEST_F(DealTest, WhenTheChoiceOfWordsEnds)
{
    struct Case {
        const char* why;
        int16_t budget;
        std::vector<std::string> lines;
        std::vector<double> draws;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"a first word longer than the budget", 0, {"CAVALLO", "ORSO"}, {0.0, 0.9, 0.9}, {"CAVALLO"}},
        {"the seventh word",
         1000,
         {"A", "B", "C", "D", "E", "F", "G", "H", "I"},
         {0.0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.9},
         {"A", "B", "C", "D", "E", "F", "G"}}, // 0.9 would be I
        {"the same text twice", 1000, {"RE", "RE"}, {0.0, 0.9}, {"RE", "RE"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        s = Session{};
        fillGenreTables(s);
        s.openDealGate();
        s.LetterBudget = c.budget;
        s.HelpPercent = 2; // one percent: no help letters
        std::string text = "\x10"
                           "Animali\r\n";
        for (const auto& l : c.lines) text += l + "\r\n";
        files.content["lexorda.DAT"] = text;
        random.draws.assign(c.draws.begin(), c.draws.end());
        ASSERT_TRUE(dealer.deal(s).ok());
        ASSERT_EQ(s.WordCount, static_cast<int>(c.expected.size()));
        size_t letters = 0;
        for (size_t j = 0; j < c.expected.size(); ++j) {
            EXPECT_EQ(s.Words[j + 1], c.expected[j]);
            letters += c.expected[j].size();
        }
        EXPECT_TRUE(s.Words[c.expected.size() + 1].empty());
        EXPECT_EQ(s.PoolSize, static_cast<int>(letters));
        expectBoardInvariants(s);
    }
}

TEST_F(DealTest, EmptyLinesAndTakenWordsSpendAnAttempt)
{
    s.LetterBudget = 1000;
    files.content["lexorda.DAT"] = wordList({"\x10"
                                             "Animali",
                                             "", "LUPO"});
    // idx 0 is the empty line, idx 1 LUPO, then LUPO again (already taken) ...
    script({0.0, 0.5, 0.0, 0.9});
    random.fallback = 0.6;
    ASSERT_TRUE(dealer.deal(s).ok());
    EXPECT_EQ(s.WordCount, 1);
    EXPECT_EQ(s.Words[1], "LUPO");
    // Every one of the 21 attempts was made, each after a reseed.
    EXPECT_EQ(random.seeds.size(), static_cast<size_t>(WordAttempts + s.PoolSize));
}

TEST_F(DealTest, ABlankInsideAWordStaysAnEmptyBoxAndABlankPoolSlot)
{
    s.HelpPercent = 2; // no help letters
    files.content["lexorda.DAT"] = wordList({"\x10"
                                             "Citta' Italia",
                                             "LA SPEZIA"});
    s.GenreIndex = 4;
    script({0.0});
    ASSERT_TRUE(dealer.deal(s).ok());
    ASSERT_EQ(s.WordCount, 1);
    EXPECT_EQ(s.BoxRows[1], std::string(9, ' '));
    EXPECT_EQ(std::count(s.PoolLetters.begin(), s.PoolLetters.end(), ' '), 1);
    expectBoardInvariants(s);
}

TEST_F(DealTest, HelpPercentFortyRevealsTwoLettersOfFiveOneOfFourNoneOfTwo)
{
    struct Case {
        std::string word;
        long revealed;
    };
    for (const Case& c : {Case{"GATTO", 2}, Case{"ORSO", 1}, Case{"GNU", 1}, Case{"BUE", 1}, Case{"RE", 0}}) {
        Session t;
        t.HelpPercent = 40;
        t.WordCount = 1;
        t.Words[1] = c.word;
        t.BoxRows[1] = std::string(c.word.size(), ' ');
        MixingRandom r;
        revealHelpLetters(t, 1, r);
        EXPECT_EQ(static_cast<long>(c.word.size()) - std::count(t.BoxRows[1].begin(), t.BoxRows[1].end(), ' '),
                  c.revealed)
            << c.word;
        for (size_t i = 0; i < c.word.size(); ++i)
            if (within(t.BoxRows[1], i, "box") != ' ') {
                EXPECT_EQ(t.BoxRows[1][i], c.word[i]);
            }
    }
}

// A help draw past the end or on a letter already shown is drawn again; one
// that lands on a blank uses up a help letter.
TEST_F(DealTest, HelpDrawsFollowTheirScript)
{
    struct Case {
        std::string word;
        std::vector<double> draws;
        std::string expected;
    };
    // GATTO: 0.95*5+1 = 5.75 -> 6 lies past the end; 0.1 -> 1.5 -> 2; 0.1 again
    // -> 2 is taken; 0.0 -> 1. LA SPEZIA, 3 help letters: 0.25*9+1 = 3.25 -> 3
    // (the blank), then 0 -> 1, then 0.5 -> 5.5 -> 6 (the E).
    for (const Case& c :
         {Case{"GATTO", {0.95, 0.1, 0.1, 0.0}, "GA   "}, Case{"LA SPEZIA", {0.25, 0.0, 0.5}, "L    E   "}}) {
        SCOPED_TRACE(c.word);
        Session t;
        t.HelpPercent = 40;
        t.Words[1] = c.word;
        t.BoxRows[1] = std::string(c.word.size(), ' ');
        random.draws.assign(c.draws.begin(), c.draws.end());
        revealHelpLetters(t, 1, random);
        EXPECT_EQ(t.BoxRows[1], c.expected);
        EXPECT_TRUE(random.draws.empty());
    }
}

TEST_F(DealTest, AGeneratorStuckOnOneValueStillEndsTheHelpDraws)
{
    Session t;
    t.HelpPercent = 60;
    t.Words[1] = "CAVALLO";
    t.BoxRows[1] = std::string(7, ' ');
    random.fallback = 0.5; // always box 4 (or 5)
    revealHelpLetters(t, 1, random);
    EXPECT_EQ(std::count(t.BoxRows[1].begin(), t.BoxRows[1].end(), ' '), 3);
}

TEST_F(DealTest, SectionHeadersMustMatchExactlyAndOnlyTheFirstSectionCounts)
{
    s.LetterBudget = 1000;
    s.HelpPercent = 2;
    files.content["lexorda.DAT"] = wordList({"PRIMA",
                                             "\x10"
                                             "animali",
                                             "CASE",
                                             "\x10"
                                             "Animali ",
                                             "BLANK",
                                             "\x10"
                                             "Animali",
                                             "ORSO",
                                             "\x10"
                                             "Frutti",
                                             "MELA",
                                             "\x10"
                                             "Animali",
                                             "LUPO"});
    random.fallback = 0.0;
    ASSERT_TRUE(dealer.deal(s).ok());
    ASSERT_EQ(s.WordCount, 1);
    EXPECT_EQ(s.Words[1], "ORSO");

    GenreWords w;
    EXPECT_EQ(readSection(files, "Animali", w).value, 1);
    EXPECT_EQ(readSection(files, "Frutti", w).value, 1);
    EXPECT_EQ(w.slot[0], "MELA");
    EXPECT_EQ(readSection(files, "Fiori", w).value, 0);
}

// The window still shows the genre of an empty round.
TEST_F(DealTest, AMissingSectionDealsAnEmptyRound)
{
    files.content["lexorda.DAT"] = wordList({"\x10"
                                             "Frutti",
                                             "MELA"});
    // A word left in slot 0 by an earlier deal must not come back.
    dealer.words.slot[0] = "VECCHIA";
    const Result<bool> dealt = dealer.deal(s);
    EXPECT_TRUE(dealt.ok());
    EXPECT_TRUE(dealt.value);
    EXPECT_EQ(s.WordCount, 0);
    EXPECT_EQ(s.PoolSize, 0);
}

TEST_F(DealTest, ALongSectionIsCutAt101LinesAndLongLinesAreCut)
{
    std::string text = "\x10"
                       "Animali\r\n";
    for (int i = 0; i < 5000; ++i) text.append("W").append(std::to_string(i)).append("\r\n");
    text += std::string(100000, 'X') + "\r\n";
    files.content["lexorda.DAT"] = text;
    GenreWords w;
    EXPECT_EQ(readSection(files, "Animali", w).value, MaxSectionWords);
    EXPECT_EQ(w.slot[100], "W100");

    files.content["lexorda.DAT"] = "\x10"
                                   "Animali\r\n" +
                                   std::string(100000, 'X') + "\r\n";
    EXPECT_EQ(readSection(files, "Animali", w).value, 1);
    EXPECT_EQ(w.slot[0].size(), MaxWordLength);
}

TEST_F(DealTest, StartTimeIsTakenAtTheEndOfTheDeal)
{
    files.content["lexorda.DAT"] = wordList({"\x10"
                                             "Animali",
                                             "ORSO"});
    clock.times = {100.0, 100.0, 100.0, 100.0, 100.0, 123.5};
    clock.steady = {7.25};
    ASSERT_TRUE(dealer.deal(s).ok());
    EXPECT_DOUBLE_EQ(s.StartTime, 123.5);
    EXPECT_DOUBLE_EQ(s.RoundStart, 7.25);
}

TEST(DealWithRealGenerator, BoardsStayConsistentOverManyDealsWithAFrozenClock)
{
    // The clock reads the same value for a whole deal: a generator that restarted
    // from its seed would pick the same entry every time and deal one word.
    FakeClock clock;
    clock.times = {45000.25};
    MixingRandom random;
    MemoryFiles files;
    std::string text = "\x10"
                       "Animali\r\n";
    for (const char* w : {"GATTO", "CANE", "ORSO",  "LUPO",  "TIGRE", "LEONE", "ZEBRA", "PANDA", "ASINO",  "VOLPE",
                          "RANA",  "MULO", "CERVO", "DAINO", "ALCE",  "FOCA",  "TOPO",  "CAPRA", "PECORA", "BUE"})
        text += std::string(w) + "\r\n";
    files.content["lexorda.DAT"] = text;
    Dealer dealer{files, random, clock, {}};
    Session s;
    fillGenreTables(s);
    s.HelpPercent = 41;
    int maxWords = 0;
    for (int round = 0; round < 200; ++round) {
        s.openDealGate();
        ASSERT_TRUE(dealer.deal(s).value);
        expectBoardInvariants(s);
        maxWords = std::max<int>(maxWords, s.WordCount);
        if (round % 12 == 11) { // a new game now and then
            s.LetterBudget = 0;
            s.HelpPercent = 41;
        }
    }
    EXPECT_GE(maxWords, 5);
    EXPECT_EQ(s.HelpPercent >= 1, true);
}

TEST(MixingRandomTest, EqualReseedsStillGiveFreshUniformDraws)
{
    MixingRandom r;
    std::vector<double> draws;
    for (int i = 0; i < 1000; ++i) {
        r.reseed(1234.5);
        draws.push_back(r.next());
    }
    std::sort(draws.begin(), draws.end());
    EXPECT_GT(std::unique(draws.begin(), draws.end()) - draws.begin(), 990);
    EXPECT_GE(draws.front(), 0.0);
    EXPECT_LT(draws.back(), 1.0);
    double mean = 0;
    for (double d : draws) mean += d;
    EXPECT_NEAR(mean / 1000, 0.5, 0.05);
}
