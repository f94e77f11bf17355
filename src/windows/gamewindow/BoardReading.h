// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "game/BoardGeometry.h"

#include <functional>

struct Session;

// What the board's accessible objects read and do, given by the game window.
struct BoardReading {
    const Session& session;
    // The box a letter carried by keys would drop into; row 0 when none.
    std::function<Cell()> cursor;
    // Takes the letter of pool slot s (1-based), as a typed letter does.
    std::function<void(int slot)> take;
};
