// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The game window's menu bar: "&Opzioni" and "&Help".

#include "desktop/Platform.h"
#include "session/Session.h"

class Form2;

// Builds the menu bar of a fresh game window and wires every entry and
// shortcut to its command.
void installGameMenu(Form2& form, Session& session, Platform& platform);
