// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "game/Deal.h"

#include "session/Numbers.h"

#include <cmath>

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

void revealHelpLetters(Session& s, int row, Random& random)
{
    const std::string& word = s.Words[row];
    std::string& boxes = s.BoxRows[row];
    const long long len = static_cast<long long>(word.size());
    long long n = len * s.HelpPercent / 100;
    if (n >= len) n = len - 1; // never more help than the word has boxes
    for (long long k = 0; k < n; ++k) {
        long long p = 0;
        // Draw until an empty box comes up. A generator stuck on one value
        // would never get there; then the first empty box is taken.
        for (int tries = 0; tries < 10000; ++tries) {
            long long d = static_cast<long long>(roundHalfEven(random.next() * static_cast<double>(len) + 1));
            if (d >= 1 && d <= len && boxes[static_cast<size_t>(d - 1)] == ' ') {
                p = d;
                break;
            }
        }
        if (p == 0) p = static_cast<long long>(boxes.find(' ')) + 1;
        boxes[static_cast<size_t>(p - 1)] = word[static_cast<size_t>(p - 1)];
    }
}

std::string poolPiece(const std::string& word, const std::string& boxes)
{
    std::string piece = word;
    for (size_t i = 0; i < piece.size(); ++i) {
        if (boxes[i] != ' ') piece[i] = ' ';
    }
    return piece;
}

Result<bool> Dealer::deal(Session& s)
{
    if (s.inPlay()) return {false};

    s.LetterBudget = saturate16(static_cast<long long>(s.LetterBudget) + 4);
    s.HelpPercent = static_cast<int16_t>(s.HelpPercent - 1 <= 1 ? 1 : s.HelpPercent - 1);

    const Result<int> read = readSection(files, s.GenreNames[s.genreSlot()], words);
    if (!read.ok()) return {false, read.error};
    const int count = read.value;

    for (int k = 0; k <= 8; ++k) {
        s.Words[k].clear();
        s.BoxRows[k].clear();
    }
    s.WordCount = 0;
    long long letterTotal = 0;
    std::string unshuffled;

    for (int attempt = 0; attempt < WordAttempts && count > 0; ++attempt) {
        random.reseed(clock.secondsSinceMidnight());
        int idx = static_cast<int>(std::floor(random.next() * count));
        if (idx >= count) idx = count - 1;
        std::string& entry = words.slot[idx];
        if (entry.empty()) continue; // an empty line, or a word already taken
        ++s.WordCount;
        letterTotal += static_cast<long long>(entry.size());
        s.Words[s.WordCount] = entry;
        s.BoxRows[s.WordCount] = std::string(entry.size(), ' ');
        revealHelpLetters(s, s.WordCount, random);
        unshuffled += poolPiece(entry, s.BoxRows[s.WordCount]);
        entry.clear();
        if (letterTotal > s.LetterBudget || s.WordCount >= MaxBoardWords) break;
    }

    s.PoolLetters.clear();
    s.PoolSize = saturate16(static_cast<long long>(unshuffled.size()));
    for (int slot = 1; slot <= s.PoolSize; ++slot) {
        random.reseed(clock.secondsSinceMidnight());
        size_t k = static_cast<size_t>(std::floor(random.next() * static_cast<double>(unshuffled.size())));
        if (k >= unshuffled.size()) k = unshuffled.size() - 1;
        char c = unshuffled[k];
        s.PoolLetters += c;
        unshuffled.erase(k, 1);
    }
    s.PoolRemaining = s.PoolLetters;
    s.StartTime = clock.secondsSinceMidnight();
    s.RoundStart = clock.steadySeconds();
    return {true};
}
