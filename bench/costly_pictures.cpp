// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Hostile genre pictures, each written eight times into a folder as the
// launcher's 00.wmf-07.wmf, and what one of them costs to accept or refuse:
// processor time and peak resident memory, drawn for a launcher tile and
// for the game window's board. scripts/startup.sh times the real launcher
// on such a folder. Usage: costly_pictures FOLDER
// Prints, a line a kind: "<kind> <file KB> <tile ms> <board ms> <peak MiB> <accepted>".
#include "CostlyPictures.h"
#include "Pictures.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/resource.h>

namespace {

double processorMs()
{
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    return (use.ru_utime.tv_sec + use.ru_stime.tv_sec) * 1e3 + (use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e3;
}

long statusMiB(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::strlen(field))) / 1024;
    return -1;
}

// Rectangles filling the whole picture, as many as the budget takes.
std::vector<uint8_t> fills()
{
    WmfBuilder b = WmfBuilder::plain().window(0, 0, 4096, 4096);
    b.solidBrush(200, 30, 30).select(0);
    for (int i = 0; i < 5000; ++i) b.rectangle(0, 0, 4096, 4096);
    return b.bytes();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The three of the first rows are the hostile files the launcher is
    // timed with; the others are the costliest within each limit.
    const std::pair<const char*, std::function<std::vector<uint8_t>()>> kinds[] = {
        {"zero-advance-text", [] { return zeroAdvanceText(4096, 100); }},
        {"pattern-brushes",
         [] {
             return bitmapsPicture(true, std::vector(30, std::pair{2048, 2048}));
         }},
        {"bitmap-blits",
         [] {
             return bitmapsPicture(false, std::vector(30, std::pair{2048, 2048}));
         }},
        {"glyphs-12", [] { return zeroAdvanceText(12, 8); }},
        {"glyphs-30", [] { return zeroAdvanceText(30, 82, 100); }},
        {"glyphs-60", [] { return zeroAdvanceText(60, 82, 100); }},
        {"glyphs-100", [] { return zeroAdvanceText(100, 82, 100); }},
        {"glyphs-200", [] { return zeroAdvanceText(200, 82, 100); }},
        {"glyphs-400", [] { return zeroAdvanceText(400, 82, 100); }},
        {"glyphs-1500", [] { return zeroAdvanceText(1500, 82, 100); }},
        {"glyphs-1500-turned", [] { return zeroAdvanceText(1500, 82, 100, 450); }},
        {"fills", fills},
        {"a-2048x1024-blit",
         [] {
             return bitmapsPicture(false, {{2048, 1024}});
         }},
        {"a-1024x1023-brush",
         [] {
             return bitmapsPicture(true, {{1024, 1023}});
         }},
    };
    const PicturePlace tile{{113, 107}, PicturePlace::Fit::Shrink}, board{{1280, 1024}, PicturePlace::Fit::Cut};
    for (size_t k = 0; k < std::size(kinds); ++k) {
        const auto& [kind, make] = kinds[k];
        const std::vector<uint8_t> bytes = make();
        const std::filesystem::path folder = std::filesystem::path(argv[1]) / kind;
        if (k < 3) std::filesystem::create_directories(folder);
        for (int genre = 0; genre < 8 && k < 3; ++genre)
            std::ofstream(folder / ("0" + std::to_string(genre) + ".wmf"), std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        std::ofstream("/proc/self/clear_refs") << "5";
        const long before = statusMiB("VmRSS:");
        double start = processorMs();
        const Result<QImage> tileDrawn = renderWmf(bytes, tile);
        const bool onTile = tileDrawn.ok();
        const double tileMs = processorMs() - start;
        start = processorMs();
        const Result<QImage> boardDrawn = renderWmf(bytes, board);
        const bool onBoard = boardDrawn.ok();
        const double boardMs = processorMs() - start;
        std::printf("%s %zu %.1f %.1f %ld %s/%s (%d/%d)\n", kind, bytes.size() / 1024, tileMs, boardMs,
                    statusMiB("VmHWM:") - before, onTile ? "drawn" : "refused", onBoard ? "drawn" : "refused",
                    int(tileDrawn.error), int(boardDrawn.error));
    }
    return 0;
}
