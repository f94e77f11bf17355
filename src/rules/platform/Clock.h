// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The time of day, as the random generator's seed and the round's start
// use it, a steady count of seconds that the round's length is measured
// on, and the random numbers the deal draws.

#include <cstdint>

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, with fractions.
    virtual double secondsSinceMidnight() = 0;
    // Seconds since some moment of no meaning, with fractions. Never set
    // back or forward: midnight, a daylight-saving change, a time server or
    // the player setting the clock leave it alone.
    virtual double steadySeconds() = 0;
};

class SystemClock : public Clock {
public:
    double secondsSinceMidnight() override;
    double steadySeconds() override;
};

// Uniform numbers in [0, 1) with reseeding from a number.
class Random {
public:
    virtual ~Random() = default;
    virtual double next() = 0;
    // The game reseeds from the time of day, often with the very same value
    // several times in one deal.
    virtual void reseed(double seed) = 0;
};

// A reseed mixes the value into the current state instead of restarting from
// it, so equal seeds in a row still give fresh draws.
class MixingRandom : public Random {
public:
    explicit MixingRandom(uint64_t state = 0x9E3779B97F4A7C15ull) : state_(state) {}
    double next() override;
    void reseed(double seed) override;

private:
    uint64_t state_;
};
