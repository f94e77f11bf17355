// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Everything the windows need from the system, handed to them in one bundle.

#include "Pictures.h"
#include "desktop/Dialogs.h"
#include "desktop/Pointer.h"
#include "desktop/Shell.h"
#include "desktop/Sound.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Random.h"

#include <functional>
#include <string>

struct Platform {
    Clock& clock;
    Random& random;
    Files& files;
    Dialogs& dialogs;
    Pictures& pictures;
    Shell& shell;
    Pointer& pointer;
    Sound& sound;
    std::function<void()> endProgram; // ends the program at once, no window unloads
};
