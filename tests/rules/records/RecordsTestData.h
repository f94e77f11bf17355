// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Records files and game ends the records tests share.
#include "records/RecordsTable.h"

#include <string>
#include <vector>

inline std::string joinCrLf(const std::vector<std::string>& lines)
{
    std::string t;
    for (const auto& l : lines) t += l + "\r\n";
    return t;
}

// Ten entries named A..J with the given scores, best first.
inline std::vector<std::string> tenEntries(const std::vector<int32_t>& scores)
{
    std::vector<std::string> lines;
    for (size_t i = 0; i < scores.size(); ++i)
        lines.push_back(formatRecordLine(std::string(1, char('A' + i)), scores[i], "Animali"));
    return lines;
}

inline Session gameEnd(const std::string& name, int32_t score, int16_t genre = 3)
{
    Session s;
    fillGenreTables(s);
    s.PlayerName = name;
    s.Score = score;
    s.GenreIndex = genre;
    return s;
}

inline const std::vector<int32_t> TenScores = {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100};

inline const std::string EmptyEntry = std::string(11, ' ') + "0" + std::string(7, ' ');

// A records file as the game writes it: ten lines ending in CR LF, these
// entries first, then empty ones.
inline std::string tenLines(std::vector<std::string> entries)
{
    entries.resize(10, EmptyEntry);
    return joinCrLf(entries);
}
