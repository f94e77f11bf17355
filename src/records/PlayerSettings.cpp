#include "records/PlayerSettings.h"

#include "session/Cp1252.h"
#include "session/Numbers.h"

namespace {

constexpr const char* NamePrompt = "Inserisci nome giocatore (Massimo 10 caratteri) : ";
constexpr const char* NameTitle = "LexOrda";
constexpr const char* NameWhenEmpty = "Anonimo";
constexpr size_t NameMax = 10;

constexpr const char* HelpPrompt = "Inserisci la percentuale lettere di Aiuto : 1=Nessuno, (Max 60)";
constexpr const char* HelpTitle = "Parolix";
constexpr int16_t HelpMax = 60;

} // namespace

std::string readPlayerName(Files& files)
{
    if (!files.exists(SettingsFile)) return NameAtStart;
    std::string first;
    Error read = files.readLines(SettingsFile, [&](std::string_view line) {
        first = line;
        return false; // only the first line holds the name
    });
    // A file that cannot be read leaves the name it would have had without one.
    if (read != Error::None) return NameAtStart;
    // The first five characters ("Nome=") are skipped unseen.
    std::string name = first.size() > 5 ? first.substr(5) : std::string();
    return upperCp1252(trimBlanks(name));
}

Error writePlayerName(Files& files, const std::string& name)
{
    return files.rewrite(SettingsFile, {"Nome=" + name});
}

std::string settingsSaveFailedMessage()
{
    return "Impossibile salvare il nome del giocatore (LexOrda.ini): il file o la cartella "
           "non sono accessibili (sola lettura o in uso). Il nome vale solo fino alla chiusura del gioco.";
}

std::string askPlayerName(Dialogs& dialogs, const std::string& current)
{
    std::string name = current;
    do {
        name = dialogs.input(NamePrompt, NameTitle, name);
        if (name.empty()) name = NameWhenEmpty;
    } while (name.size() > NameMax);
    return name;
}

void askHelpPercent(Dialogs& dialogs, Session& s)
{
    // Beyond the 16-bit range the value saturates, which is out of range too,
    // so the box comes back offering the saturated value.
    do {
        std::string answer = dialogs.input(HelpPrompt, HelpTitle, signPlace(s.HelpPercent));
        s.HelpPercent = toInt16(LeadingNumber(answer));
    } while (s.HelpPercent < 0 || s.HelpPercent > HelpMax);
    if (s.HelpPercent == 0) s.HelpPercent = 1;
    s.HelpPercentStart = s.HelpPercent;
}
