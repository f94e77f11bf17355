// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Pictures.h"

#include <QGuiApplication>
#include <cstdlib>

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
    std::vector<uint8_t> bytes(data, data + size);
    const Result<QImage> image = renderWmf(bytes);
    if (image.ok() && (image.value.isNull() || image.value.width() > 4096 || image.value.height() > 4096)) std::abort();
    if (!image.ok() && !image.value.isNull()) std::abort();
    return 0;
}
