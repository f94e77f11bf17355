#include "records/PlayerSettings.h"

// First cut: the settings are filled in by the records work.
std::string readPlayerName(Files&) { return "ANONIMO"; }
FileError writePlayerName(Files&, const std::string&) { return FileError::None; }
std::string settingsSaveFailedMessage() { return {}; }
std::string askPlayerName(Dialogs&, const std::string&) { return "Anonimo"; }
void askHelpPercent(Dialogs&, Session&) {}
