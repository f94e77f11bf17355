// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The game window's menu bar: "&Opzioni" and "&Help".

#include "desktop/Platform.h"
#include "session/Session.h"

#include <functional>

class QMainWindow;

// The entries of the menu that act on the game window itself.
struct GameCommands {
    std::function<void()> records;   // shows the records table
    std::function<void()> indietro;  // ends the game
    std::function<void()> nome;      // asks the player's name
    std::function<void()> difficolt; // asks the help percentage
};

// Builds the menu bar of a fresh game window and wires every entry and
// shortcut to its command; the rest (help, about, the end of the program)
// needs only the session and the platform.
void installGameMenu(QMainWindow& window, const GameCommands& commands, Session& session, Platform& platform);
