// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "doubles/RulesDoubles.h"
#include "game/Deal.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MemoryFiles disk;
    disk.content["lexorda.DAT"] = std::string(reinterpret_cast<const char*>(data), size);
    GenreWords words;
    for (const char* genre : {"Animali", "Citta' Italia", ""}) {
        const Result<int> n = readSection(disk, genre, words);
        // The file is there, so reading it never fails.
        if (!n.ok() || n.value < 0 || n.value > MaxSectionWords) std::abort();
        for (int i = 0; i < n.value; ++i)
            if (words.slot[i].size() > MaxWordLength) std::abort();
    }
    return 0;
}
