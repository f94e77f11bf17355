// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/Clock.h"

#include <chrono>
#include <cstring>
#include <ctime>

double SystemClock::secondsSinceMidnight()
{
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    double frac = duration<double>(now.time_since_epoch()).count();
    frac -= static_cast<double>(t);
    if (frac < 0) frac = 0;
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + frac;
}

namespace {
uint64_t splitmix(uint64_t& s)
{
    uint64_t z = (s += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
} // namespace

double MixingRandom::next()
{
    // 53 random bits make a double in [0, 1).
    return static_cast<double>(splitmix(state_) >> 11) * 0x1.0p-53;
}

void MixingRandom::reseed(double seed)
{
    // The seed is taken in single precision, as the time of day always was.
    float f = static_cast<float>(seed);
    uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    uint64_t mix = state_ ^ (static_cast<uint64_t>(bits) * 0xD6E8FEB86659FD93ull);
    state_ = splitmix(mix);
}

double SystemClock::steadySeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}
