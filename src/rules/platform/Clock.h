// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

// Time of day, as the game clock and the random generator's seed use it.
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, with fractions.
    virtual double secondsSinceMidnight() = 0;
};

class SystemClock : public Clock {
public:
    double secondsSinceMidnight() override;
};
