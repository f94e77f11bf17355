// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Drawing a full board and carrying a letter on the game window, timed.
#include "doubles/Doubles.h"
#include "gamewindow/Form2.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// A game window with a first round already dealt.
struct OpenWindow {
    FakePlatform fp;
    MixingRandom random;
    Platform platform{fp.clock, random, fp.files, fp.dialogs, fp.pictures, fp.shell, fp.pointer, fp.sound, [] {}};
    Session s;
    RecordsTable records;
    Form2* form;
    OpenWindow()
    {
        fillGenreTables(s);
        s.PlayerName = "BENCH";
        s.HelpPercent = 41;
        fp.files.content["lexorda.DAT"] = readDataFile("lexorda.DAT");
        fp.pictures.images["00.wmf"] = QImage(105, 97, QImage::Format_ARGB32_Premultiplied);
        form = new Form2(s, platform, records);
        form->Form_Load();
        for (int i = 0; i < 50 && !form->firstDealDone(); ++i) QTest::qWait(20);
    }
    ~OpenWindow() { delete form; }
};

// Seven words and thirty pool slots.
void BM_DrawFullBoard(benchmark::State& state)
{
    OpenWindow w;
    Session& s = w.s;
    const char* words[7] = {"ELEFANTE", "GIRAFFA", "CAMMELLO", "LEONE", "TIGRE", "ZEBRA", "ORSO"};
    s.WordCount = 7;
    for (int j = 1; j <= 7; ++j) {
        s.Words[j] = words[j - 1];
        s.BoxRows[j] = std::string(s.Words[j].size(), ' ');
        s.BoxRows[j][0] = s.Words[j][0];
    }
    std::string pool = "ABCDEFGHIJKLMNOPQRSTUVWXYZABCD";
    for (auto _ : state) {
        BoardCanvas* board = w.form->clientArea();
        board->showPicture(w.fp.pictures.images["00.wmf"]);
        for (int slot = 1; slot <= 30; ++slot) board->drawPoolSlot(slot, pool[slot - 1]);
        board->drawTargetRows(s);
    }
}
BENCHMARK(BM_DrawFullBoard)->Unit(benchmark::kMicrosecond);

// One movement of the carried tile, handled and painted.
void BM_DragMove(benchmark::State& state)
{
    OpenWindow w;
    QWidget* client = w.form->clientArea();
    int slot = 1;
    while (slot <= w.s.PoolSize && w.s.PoolRemaining[slot - 1] == ' ') ++slot;
    QPoint start(10 + 30 * ((slot - 1) % 10), 150 + 50 * ((slot - 1) / 10));
    QTest::mousePress(client, Qt::LeftButton, {}, start);
    int x = 0;
    for (auto _ : state) {
        x = (x + 7) % 600;
        QTest::mouseMove(client, QPoint(300 + x, 300));
        client->repaint();
    }
    QTest::mouseRelease(client, Qt::LeftButton, {}, QPoint(300 + x, 300));
}
BENCHMARK(BM_DragMove)->Unit(benchmark::kMicrosecond);

} // namespace
