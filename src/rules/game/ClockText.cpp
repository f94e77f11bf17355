// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "game/ClockText.h"

#include "session/Numbers.h"

#include <cmath>

namespace {
constexpr double SecondsPerDay = 86400;
constexpr double HalfADay = SecondsPerDay / 2;
} // namespace

double elapsedSeconds(double now, double startTime)
{
    double e = std::floor(now - startTime);
    if (!std::isfinite(e)) return 0;
    // A clock set back a little (by hand, by a time server) would read as
    // nearly a whole day: no time has passed. Only a step back of more than
    // half a day is midnight, where the time of day starts again from 0.
    if (e < 0 && e >= -HalfADay) return 0;
    if (e < 0) {
        e = std::fmod(e, SecondsPerDay) + SecondsPerDay;
        if (e >= SecondsPerDay) e -= SecondsPerDay;
    }
    return e;
}

std::string clockCaption(double elapsedSeconds)
{
    const long long minutes = floorToInt32(elapsedSeconds / 60);
    const long long seconds = toInt32(elapsedSeconds) % 60;
    return "Min." + signPlace(minutes) + "  Sec." + signPlace(seconds);
}
