// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "doubles/RulesDoubles.h"
#include "records/RecordsTable.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MemoryFiles disk;
    disk.content["LexOrda.Sco"] = std::string(reinterpret_cast<const char*>(data), size);
    Session s;
    fillGenreTables(s);
    s.PlayerName = "FUZZ";
    s.Score = static_cast<int32_t>(size * 1000);
    RecordsTable table;
    Result<RecordLines> shown = table.UpdateRecords(s, disk);
    if (shown.value.empty()) std::abort();
    // Whatever was read, the rewrite holds ten lines that read back the same.
    RecordsTable again;
    (void)again.UpdateRecords(s, disk);
    int lines = 0;
    (void)disk.readLines("LexOrda.Sco", [&](std::string_view) {
        ++lines;
        return true;
    });
    if (lines != 10) std::abort();
    (void)readRecordLines(disk);
    return 0;
}
