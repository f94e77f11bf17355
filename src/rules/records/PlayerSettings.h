// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The player's name and its settings file "LexOrda.ini" ("Nome=" + name).

#include "platform/Files.h"
#include "session/Session.h"

#include <functional>
#include <string>

inline constexpr const char* SettingsFile = "LexOrda.ini";
inline constexpr const char* NameAtStart = "ANONIMO";   // no settings file yet
inline constexpr const char* NameWhenEmpty = "Anonimo"; // an empty name, or Cancel
inline constexpr size_t NameMax = 10;                   // in the name command

// The name at start-up: "ANONIMO" without a file; otherwise the first line
// from its sixth character, control characters as blanks, trimmed of blanks
// and in upper case. A file that cannot be read, or is far larger than the
// game writes, gives "ANONIMO" too; `error`, when given, says why.
std::string readPlayerName(Files& files, Error* error = nullptr);

// Rewrites the settings file with the one name line.
Error writePlayerName(Files& files, const std::string& name);

// Shows the window's input box with this default text and gives the text
// typed, empty on Cancel. The window words the prompt.
using Ask = std::function<std::string(const std::string& defaultText)>;

// Asks until the name has one to ten characters, offering the last answer
// again; Cancel or empty gives "Anonimo". The name is kept as typed, but for
// control characters, which become blanks.
std::string askPlayerName(const Ask& ask, const std::string& current);

// Asks for the help percentage until it lies in 0..60, offering the last
// value read; 0 counts as 1. Sets HelpPercent and HelpPercentStart.
void askHelpPercent(const Ask& ask, Session& s);
