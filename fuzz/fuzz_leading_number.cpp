// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "session/Numbers.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    double v = LeadingNumber(std::string_view(reinterpret_cast<const char*>(data), size));
    if (std::isnan(v)) std::abort();
    // Storing any reading into the game's fields must stay in range.
    (void)toInt16(v);
    (void)toInt32(v);
    (void)floorToInt32(v);
    return 0;
}
