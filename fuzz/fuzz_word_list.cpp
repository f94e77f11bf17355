// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "doubles/RulesDoubles.h"
#include "game/Deal.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// A folder of this run's own, in memory where the system has such a
// folder, removed at exit (a plain buffer: it outlives every destructor).
const char* folder()
{
    static char name[64];
    static const bool made = [] {
        std::strcpy(name,
                    access("/dev/shm", W_OK) == 0 ? "/dev/shm/fuzz-word-list-XXXXXX" : "/tmp/fuzz-word-list-XXXXXX");
        return mkdtemp(name) && std::atexit([] { std::filesystem::remove_all(name); }) == 0;
    }();
    if (!made) std::abort();
    return name;
}

} // namespace

// The word list read from disk (opened, read within its cap, checked for
// UTF-8 and split) and from memory: both must give the same words.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    MemoryFiles memory;
    memory.content[WordListFile] = text;
    {
        std::FILE* f = std::fopen((std::filesystem::path(folder()) / WordListFile).c_str(), "wb");
        if (!f || std::fwrite(text.data(), 1, text.size(), f) != text.size() || std::fclose(f) != 0) std::abort();
    }
    DiskFiles disk(folder());
    for (const char* genre : {"Animali", "Citta' Italia", ""}) {
        GenreWords fromMemory, fromDisk;
        const Result<int> n = readSection(memory, genre, fromMemory);
        const Result<int> m = readSection(disk, genre, fromDisk);
        // The file is there, and no larger than the fuzzer makes it: it is read.
        if (!n.ok() || n.value < 0 || n.value > MaxSectionWords) std::abort();
        if (!m.ok() || m.value != n.value) std::abort();
        for (int i = 0; i < n.value; ++i)
            if (fromMemory.slot[i].size() > MaxWordLength || fromDisk.slot[i] != fromMemory.slot[i]) std::abort();
    }
    return 0;
}
