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

// Entries named A, B, C ... with the given scores, best first.
inline std::vector<std::string> entriesWith(const std::vector<int32_t>& scores)
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

// A full table: RecordsKept scores, a hundred apart, the last 100.
inline const std::vector<int32_t> FullScores = [] {
    std::vector<int32_t> scores;
    for (int i = RecordsKept; i >= 1; --i) scores.push_back(100 * i);
    return scores;
}();

inline const std::string EmptyEntry = std::string(11, ' ') + "0" + std::string(7, ' ');

// A records file as the game writes it: RecordsKept lines ending in CR LF,
// these entries first, then empty ones.
inline std::string keptLines(std::vector<std::string> entries)
{
    entries.resize(RecordsKept, EmptyEntry);
    return joinCrLf(entries);
}
