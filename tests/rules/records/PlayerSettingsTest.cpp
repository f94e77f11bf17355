// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "records/PlayerSettings.h"
#include "doubles/RulesDoubles.h"

#include <deque>
#include <gtest/gtest.h>

namespace {

std::string nameFrom(const std::string& fileText)
{
    MemoryFiles files;
    files.content["Lexorda.INI"] = fileText;
    return readPlayerName(files);
}

} // namespace

TEST(PlayerName, ReadAtStartUp)
{
    MemoryFiles none;
    EXPECT_EQ(readPlayerName(none), "ANONIMO");
    EXPECT_TRUE(none.content.empty()); // nothing is created by reading

    EXPECT_EQ(nameFrom("Nome=  abc  \r\n"), "ABC");
    EXPECT_EQ(nameFrom(":::::Luigi"), "LUIGI");
    EXPECT_EQ(nameFrom(""), "");
    EXPECT_EQ(nameFrom("Nome=\r\n"), "");
    EXPECT_EQ(nameFrom("Nom"), "");
    EXPECT_EQ(nameFrom("Nome=primo\r\nNome=secondo\r\n"), "PRIMO");
    EXPECT_EQ(nameFrom("\r\nNome=secondo\r\n"), "");
    // Upper case in code page 1252: o grave (0xF2) becomes 0xD2.
    EXPECT_EQ(nameFrom("Nome=Niccol\xF2"), "NICCOL\xD2");
    // Control characters become blanks, which are then trimmed.
    EXPECT_EQ(nameFrom("Nome=\tab\t"), "AB");
    EXPECT_EQ(nameFrom(std::string("Nome=lu\0ig\x1B"
                                   "i\x7F",
                                   13)),
              "LU IG I");
}

TEST(PlayerName, WrittenAsOneLine)
{
    MemoryFiles files;
    files.content["lexorda.ini"] = "Nome=VECCHIO\r\naltro\r\n";
    EXPECT_EQ(writePlayerName(files, " abc"), Error::None);
    EXPECT_EQ(files.content.size(), 1u);
    EXPECT_EQ(files.text("LexOrda.ini"), "Nome= abc\r\n");
    EXPECT_EQ(readPlayerName(files), "ABC");

    files.failWrites = true;
    EXPECT_EQ(writePlayerName(files, "Nuovo"), Error::Unwritable);
    EXPECT_EQ(files.text("LexOrda.ini"), "Nome= abc\r\n");
    // Another copy holding the file too long: told, not lost silently.
    files.failWrites = false;
    files.busy = true;
    EXPECT_EQ(writePlayerName(files, "Nuovo"), Error::Busy);
    EXPECT_EQ(files.text("LexOrda.ini"), "Nome= abc\r\n");
}

namespace {

// Answers the input box from a script (an empty text when none is left) and
// remembers the default text of every box shown.
struct ScriptedAsk {
    std::deque<std::string> answers;
    std::vector<std::string> offered;
    Ask ask()
    {
        return [this](const std::string& shown) {
            offered.push_back(shown);
            if (answers.empty()) return std::string();
            std::string a = answers.front();
            answers.pop_front();
            return a;
        };
    }
};

} // namespace

TEST(PlayerName, AskedUntilTenCharactersAtMost)
{
    ScriptedAsk d;
    d.answers = {"abcdefghij"};
    EXPECT_EQ(askPlayerName(d.ask(), "ROSSI"), "abcdefghij");
    EXPECT_EQ(d.offered, std::vector<std::string>{"ROSSI"});

    ScriptedAsk again;
    again.answers = {"abcdefghijk", "  Mia "};
    EXPECT_EQ(askPlayerName(again.ask(), "ROSSI"), "  Mia "); // as typed
    EXPECT_EQ(again.offered, (std::vector<std::string>{"ROSSI", "abcdefghijk"}));

    // A pasted tab or escape is a blank, kept in place.
    ScriptedAsk controls;
    controls.answers = {"\tma\x1Brio"};
    EXPECT_EQ(askPlayerName(controls.ask(), "ROSSI"), " ma rio");

    // Cancel (an empty answer) gives "Anonimo", even after a long name.
    ScriptedAsk cancel;
    cancel.answers = {"abcdefghijkl", ""};
    EXPECT_EQ(askPlayerName(cancel.ask(), "ROSSI"), "Anonimo");
    EXPECT_EQ(cancel.offered.size(), 2u);
}

namespace {

struct HelpCase {
    std::vector<std::string> answers;
    int16_t result;
    std::vector<std::string> defaults; // the default text of each box shown
};

} // namespace

TEST(HelpPercent, Answers)
{
    const std::vector<HelpCase> cases = {
        {{"60"}, 60, {" 41"}},
        {{"61", "30"}, 30, {" 41", " 61"}},
        {{"60.5"}, 60, {" 41"}},
        {{"60.6", "7"}, 7, {" 41", " 61"}},
        {{"12.5"}, 12, {" 41"}},
        {{"13.5"}, 14, {" 41"}},
        {{"0"}, 1, {" 41"}},
        {{"-0.4"}, 1, {" 41"}},
        {{"3 0"}, 30, {" 41"}},
        {{"25abc"}, 25, {" 41"}},
        {{"abc"}, 1, {" 41"}},
        {{""}, 1, {" 41"}},
        {{"-5", "10"}, 10, {" 41", "-5"}},
        // Beyond 16 bits the saturated value is offered again.
        {{"99999", "20"}, 20, {" 41", " 32767"}},
        {{"-1e10", "20"}, 20, {" 41", "-32768"}},
        {{"&H3C"}, 60, {" 41"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers.front());
        Session s;
        s.HelpPercent = 41;
        s.HelpPercentStart = 41;
        ScriptedAsk d;
        d.answers.assign(c.answers.begin(), c.answers.end());
        askHelpPercent(d.ask(), s);
        EXPECT_EQ(s.HelpPercent, c.result);
        EXPECT_EQ(s.HelpPercentStart, c.result);
        EXPECT_EQ(d.offered, c.defaults);
    }
}

TEST(HelpPercent, CancelAfterARejectedValue)
{
    Session s;
    s.HelpPercent = -3; // a negative default keeps its minus sign
    ScriptedAsk d;
    d.answers = {"70"};
    askHelpPercent(d.ask(), s);
    EXPECT_EQ(d.offered, (std::vector<std::string>{"-3", " 70"}));
    EXPECT_EQ(s.HelpPercent, 1);
    EXPECT_EQ(s.HelpPercentStart, 1);
}
