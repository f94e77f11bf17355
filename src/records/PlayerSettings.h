#pragma once
// The player's name and its settings file "LexOrda.ini" ("Nome=" + name).

#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "session/Session.h"

#include <string>

inline constexpr const char* SettingsFile = "LexOrda.ini";
inline constexpr const char* NameAtStart = "ANONIMO"; // no settings file yet

// The name at start-up: "ANONIMO" without a file; otherwise the first line
// from its sixth character, trimmed of blanks and in upper case.
std::string readPlayerName(Files& files);

// Rewrites the settings file with the one name line.
Error writePlayerName(Files& files, const std::string& name);

// The message shown when the name could not be saved.
std::string settingsSaveFailedMessage();

// Asks for a name of one to ten characters; Cancel or empty gives "Anonimo".
std::string askPlayerName(Dialogs& dialogs, const std::string& current);

// Asks for the help percentage (1 to 60) and sets HelpPercent and
// HelpPercentStart.
void askHelpPercent(Dialogs& dialogs, Session& s);
