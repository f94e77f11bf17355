// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "doubles/RulesDoubles.h"
#include "platform/Utf8Text.h"
#include "records/PlayerSettings.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MemoryFiles disk;
    disk.content["LexOrda.ini"] = std::string(reinterpret_cast<const char*>(data), size);
    std::string name = readPlayerName(disk);
    // The name written back reads back as itself, upper-cased and trimmed;
    // unless its bytes happen to make the file UTF-8, which is read as an
    // editor's file.
    if (writePlayerName(disk, name) != Error::None) std::abort();
    std::string again = readPlayerName(disk);
    if (name.find_first_of("\r\n") == std::string::npos && !readsAsUtf8(disk.text("LexOrda.ini")) && again != name)
        std::abort();
    return 0;
}
