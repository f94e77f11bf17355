#include "doubles/RulesDoubles.h"
#include "game/WordList.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MemoryFiles disk;
    disk.content["lexorda.DAT"] = std::string(reinterpret_cast<const char*>(data), size);
    GenreWords words;
    for (const char* genre : {"Animali", "Citta' Italia", ""}) {
        int n = readSection(disk, genre, words);
        if (n < 0 || n > MaxSectionWords) std::abort();
        for (int i = 0; i < n; ++i)
            if (words.slot[i].size() > MaxWordLength) std::abort();
    }
    return 0;
}
