// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "wmf/Dib.h"

#include <cstdlib>
#include <vector>

// The bitmap decoder alone: bytes as a metafile record would carry them.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A copy of exactly the given size, so that a read past the end is caught.
    const std::vector<char> bytes(data, data + size);
    const QImage image = wmf::decodeDib(bytes.data(), bytes.size());
    if (image.isNull()) return 0;
    const qint64 pixels = qint64(image.width()) * image.height();
    if (image.width() > 16384 || image.height() > 16384 || pixels > 4 * 1024 * 1024 || size < 40) std::abort();
    return 0;
}
