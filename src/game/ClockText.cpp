#include "game/ClockText.h"

#include "session/Numbers.h"

#include <cmath>

namespace {
constexpr double SecondsPerDay = 86400;
}

double elapsedSeconds(double now, double startTime)
{
    double e = std::floor(now - startTime);
    if (!std::isfinite(e)) return 0;
    // The time of day starts again from 0 at midnight.
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
