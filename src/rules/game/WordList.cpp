// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "game/WordList.h"

Result<int> readSection(Files& files, const std::string& genre, GenreWords& words)
{
    int count = 0;
    bool inSection = false;
    const Error e = files.readLines(
        WordListFile,
        [&](std::string_view line) {
            if (!line.empty() && line[0] == SectionMark) {
                if (inSection) return false; // the next header ends the section
                inSection = line.substr(1) == genre;
                return true;
            }
            if (inSection) {
                if (count >= MaxSectionWords) return false;
                words.slot[count++] = std::string(line);
            }
            return true;
        },
        MaxWordLength);
    return {e == Error::None ? count : 0, e};
}
