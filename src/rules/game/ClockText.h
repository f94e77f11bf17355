// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The round clock: whole seconds since the deal and the caption of the clock
// label ("Min. 2  Sec. 7").

#include <string>

// Whole seconds from startTime to now, both in seconds since midnight. A round
// that runs across midnight keeps counting instead of going negative; a
// system clock set back by up to half a day reads as no time passed.
double elapsedSeconds(double now, double startTime);

// "Min." and the minutes, "  Sec." and the seconds, each with its sign place.
std::string clockCaption(double elapsedSeconds);
