#include "records/PlayerSettings.h"
#include "doubles/RulesDoubles.h"

#include <gtest/gtest.h>

namespace {

const std::string NamePrompt = "Inserisci nome giocatore (Massimo 10 caratteri) : ";
const std::string HelpPrompt = "Inserisci la percentuale lettere di Aiuto : 1=Nessuno, (Max 60)";

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
    // Only spaces are trimmed.
    EXPECT_EQ(nameFrom("Nome=\tab\t"), "\tAB\t");
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
    EXPECT_FALSE(settingsSaveFailedMessage().empty());
}

TEST(PlayerName, AskedUntilTenCharactersAtMost)
{
    ScriptedDialogs d;
    d.answers = {"abcdefghij"};
    EXPECT_EQ(askPlayerName(d, "ROSSI"), "abcdefghij");
    ASSERT_EQ(d.shown.size(), 1u);
    EXPECT_EQ(d.shown[0].kind, "input");
    EXPECT_EQ(d.shown[0].text, NamePrompt);
    EXPECT_EQ(d.shown[0].title, "LexOrda");
    EXPECT_EQ(d.shown[0].defaultText, "ROSSI");

    ScriptedDialogs again;
    again.answers = {"abcdefghijk", "  Mia "};
    EXPECT_EQ(askPlayerName(again, "ROSSI"), "  Mia "); // as typed
    ASSERT_EQ(again.shown.size(), 2u);
    EXPECT_EQ(again.shown[1].defaultText, "abcdefghijk");

    // Cancel (an empty answer) gives "Anonimo", even after a long name.
    ScriptedDialogs cancel;
    cancel.answers = {"abcdefghijkl", ""};
    EXPECT_EQ(askPlayerName(cancel, "ROSSI"), "Anonimo");
    EXPECT_EQ(cancel.shown.size(), 2u);
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
        ScriptedDialogs d;
        d.answers.assign(c.answers.begin(), c.answers.end());
        askHelpPercent(d, s);
        EXPECT_EQ(s.HelpPercent, c.result);
        EXPECT_EQ(s.HelpPercentStart, c.result);
        ASSERT_EQ(d.shown.size(), c.defaults.size());
        for (size_t i = 0; i < d.shown.size(); ++i) {
            EXPECT_EQ(d.shown[i].text, HelpPrompt);
            EXPECT_EQ(d.shown[i].title, "Parolix");
            EXPECT_EQ(d.shown[i].defaultText, c.defaults[i]);
        }
    }
}

TEST(HelpPercent, CancelAfterARejectedValue)
{
    Session s;
    s.HelpPercent = -3; // a negative default keeps its minus sign
    ScriptedDialogs d;
    d.answers = {"70"};
    askHelpPercent(d, s);
    ASSERT_EQ(d.shown.size(), 2u);
    EXPECT_EQ(d.shown[0].defaultText, "-3");
    EXPECT_EQ(d.shown[1].defaultText, " 70");
    EXPECT_EQ(s.HelpPercent, 1);
    EXPECT_EQ(s.HelpPercentStart, 1);
}
