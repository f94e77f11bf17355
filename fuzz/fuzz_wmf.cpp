// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Pictures.h"

#include <QGuiApplication>
#include <cstdlib>

// Each input is drawn for the places the game shows pictures in: a launcher
// tile, shrunk to fit (on a high-density screen too), and the game window's
// board, cut at a large screen. scripts/fuzz.sh bounds the time and memory
// one input may take, so a picture too slow or too large to draw fails.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_wmf";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    const std::vector<uint8_t> bytes(data, data + size);
    const PicturePlace tile{{113, 107}, PicturePlace::Fit::Shrink}, board{{1920, 1200}, PicturePlace::Fit::Cut};
    const std::pair<PicturePlace, double> draws[] = {{tile, 1.0}, {tile, 2.0}, {board, 1.0}};
    for (const auto& [place, scale] : draws) {
        const Result<QImage> image = renderWmf(bytes, place, scale);
        if (!image.ok()) {
            if (!image.value.isNull()) std::abort();
            continue;
        }
        // Never larger than its place, nor than the largest image drawn.
        const QSize shown = image.value.deviceIndependentSize().toSize();
        if (image.value.isNull() || shown.width() > place.size.width() || shown.height() > place.size.height() ||
            image.value.width() > 4096 || image.value.height() > 4096)
            std::abort();
    }
    return 0;
}
