// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The deal, the records and the pictures, timed.
#include "Pictures.h"
#include "doubles/Doubles.h"
#include "doubles/TempFolder.h"
#include "game/Deal.h"
#include "records/RecordsTable.h"

#include <QPainter>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

void dealFrom(benchmark::State& state, const std::string& list, int genre)
{
    SystemClock clock;
    MixingRandom random;
    MemoryFiles files;
    files.content["lexorda.DAT"] = list;
    Dealer dealer{files, random, clock, {}};
    Session s;
    fillGenreTables(s);
    s.GenreIndex = static_cast<int16_t>(genre);
    for (auto _ : state) {
        // A fresh game every time keeps the boards the size of a first round
        // up to the seventh, the biggest a board gets.
        s.openDealGate();
        s.LetterBudget = static_cast<int16_t>(4 * (state.iterations() % 8));
        s.HelpPercent = 41;
        benchmark::DoNotOptimize(dealer.deal(s));
    }
}

void BM_DealShippedList(benchmark::State& state)
{
    dealFrom(state, readDataFile("lexorda.DAT"), 7);
}
BENCHMARK(BM_DealShippedList)->Unit(benchmark::kMicrosecond);

// A 10 MB word list whose chosen genre is its last section.
void BM_DealTenMegabyteList(benchmark::State& state)
{
    std::string list;
    list.reserve(10'500'000);
    for (int section = 0; list.size() < 10'000'000; ++section) {
        list += "\x10Riempitivo" + std::to_string(section) + "\r\n";
        for (int w = 0; w < 100; ++w) list += "PAROLA" + std::to_string(w) + "\r\n";
    }
    list += "\x10In Cucina\r\n";
    for (const char* w : {"PENTOLA", "TEGAME", "MESTOLO", "FORCHETTA", "COLTELLO", "PADELLA", "FORNO"})
        list += std::string(w) + "\r\n";
    dealFrom(state, list, 7);
    state.counters["MB"] = static_cast<double>(list.size()) / 1e6;
}
BENCHMARK(BM_DealTenMegabyteList)->Unit(benchmark::kMillisecond);

void BM_UpdateRecordsFullTable(benchmark::State& state)
{
    MemoryFiles files;
    std::string text;
    for (int i = 0; i < 10; ++i) text += formatRecordLine("GIOCATORE", 1000 - i * 50, "Animali") + "\r\n";
    files.content["LexOrda.Sco"] = text;
    Session s;
    fillGenreTables(s);
    s.PlayerName = "MARIO";
    RecordsTable table;
    for (auto _ : state) {
        s.Score = static_cast<int32_t>(state.iterations() % 1200);
        benchmark::DoNotOptimize(table.UpdateRecords(s, files));
    }
}
BENCHMARK(BM_UpdateRecordsFullTable)->Unit(benchmark::kMicrosecond);

// The same on disk, through the safe rewrite (temporary file, flush, rename).
void BM_UpdateRecordsOnDisk(benchmark::State& state)
{
    const TempFolder folder;
    DiskFiles files(folder.path.string());
    Session s;
    fillGenreTables(s);
    RecordsTable table;
    for (auto _ : state) {
        s.Score = static_cast<int32_t>(state.iterations() % 1200);
        benchmark::DoNotOptimize(table.UpdateRecords(s, files));
    }
}
BENCHMARK(BM_UpdateRecordsOnDisk)->Unit(benchmark::kMicrosecond);

void BM_LoadAndDrawEightPictures(benchmark::State& state)
{
    WmfPictures pictures(PAROLIX_DATA_DIR);
    QImage canvas(800, 200, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&canvas);
        for (int t = 0; t < GenreCount; ++t) {
            QImage img = pictures.load(genrePictureFile(t)).value;
            p.drawImage(t * 100, 0, img);
        }
    }
}
BENCHMARK(BM_LoadAndDrawEightPictures)->Unit(benchmark::kMillisecond);

} // namespace
