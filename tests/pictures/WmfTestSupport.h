// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// What the metafile player's tests share: pictures of a known size, the
// player run on an exact-size copy of the bytes, and pixel checks.
#include "Pictures.h"
#include "WmfBuilder.h"

#include <QColor>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <gtest/gtest.h>
#include <malloc.h>
#include <ostream>
#include <string>
#ifdef _WIN32
#include <algorithm>
#include <atomic>
#include <thread>
// clang-format off
#include <windows.h>
#include <psapi.h>
// clang-format on
#endif

// Failures name their kind in assertion messages.
inline std::ostream& operator<<(std::ostream& out, Error error)
{
    return out << "error " << static_cast<int>(error);
}

namespace wmftest {

// 105 x 97 pixels, 15 logical units a pixel: the size of a genre picture.
inline WmfBuilder genreSized()
{
    return WmfBuilder::placeable(1575, 1455).window(0, 0, 1575, 1455);
}

// 100 x 100 pixels, 15 logical units a pixel.
inline WmfBuilder square()
{
    return WmfBuilder::placeable(1500, 1500).window(0, 0, 1500, 1500);
}

struct Rendered {
    bool ok = false;
    QImage image;
    Error why = Error::None;
};

inline Rendered render(const std::vector<uint8_t>& bytes)
{
    // An exact-size copy, so that a read past the end is a read past the heap block.
    const std::vector<uint8_t> exact(bytes.begin(), bytes.end());
    const Result<QImage> result = renderWmf(exact);
    Rendered r{result.ok(), result.value, result.error};
    if (r.ok) {
        EXPECT_FALSE(r.image.isNull());
        EXPECT_LE(r.image.width(), 4096);
        EXPECT_LE(r.image.height(), 4096);
    } else {
        EXPECT_TRUE(r.image.isNull());
    }
    return r;
}

inline bool isColor(const QImage& image, int x, int y, int r, int g, int b)
{
    const QColor c = image.pixelColor(x, y);
    return c.alpha() == 255 && std::abs(c.red() - r) <= 2 && std::abs(c.green() - g) <= 2 &&
           std::abs(c.blue() - b) <= 2;
}
inline bool isEmpty(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y).alpha() == 0;
}

#define EXPECT_COLOR(img, x, y, r, g, b)                                                                               \
    EXPECT_TRUE(isColor(img, x, y, r, g, b))                                                                           \
        << "at " << (x) << "," << (y) << " found " << qPrintable((img).pixelColor(x, y).name(QColor::HexArgb))
#define EXPECT_EMPTY(img, x, y)                                                                                        \
    EXPECT_TRUE(isEmpty(img, x, y)) << "at " << (x) << "," << (y) << " found "                                         \
                                    << qPrintable((img).pixelColor(x, y).name(QColor::HexArgb))

// Red fill, no outline: objects 0 and 1.
inline WmfBuilder& redNoPen(WmfBuilder& b)
{
    return b.solidBrush(255, 0, 0).select(0).pen(U_PS_NULL, 0, 0, 0, 0).select(1);
}

inline std::vector<uint8_t> record(uint32_t sizeInBytes, uint16_t function, const std::vector<uint16_t>& words = {})
{
    std::vector<uint8_t> out(6);
    putLe32(out.data(), sizeInBytes / 2);
    putLe16(out.data() + 4, function);
    for (uint16_t w : words) {
        out.push_back(uint8_t(w & 0xFF));
        out.push_back(uint8_t(w >> 8));
    }
    return out;
}

// A record whose size field tells the truth about the words that follow.
inline std::vector<uint8_t> honest(uint16_t function, const std::vector<uint16_t>& words)
{
    return record(uint32_t(6 + 2 * words.size()), function, words);
}

// What work costs, bounded without the clock on the wall: processor time,
// which load hardly changes, and the peak of resident memory above what it
// was before, in MiB (memory freed earlier given back first, lest its reuse hide it).
struct Cost {
    double processorMs = 0;
    long peakMiB = 0;
};
#ifdef _WIN32
// Windows keeps no peak that can be started again: a watcher samples the
// working set each millisecond while the work runs, and the processor time
// is the process's own (the C library's clock() is the wall's there).
inline double processorMsNow()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ms = [](FILETIME t) { return double((uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4; };
    return ms(kernel) + ms(user);
}
inline long residentMiBNow()
{
    PROCESS_MEMORY_COUNTERS m{};
    GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof m);
    return long(m.WorkingSetSize >> 20);
}
template <typename Work> Cost costOf(Work&& work)
{
    const long before = residentMiBNow();
    std::atomic<bool> done{false};
    std::atomic<long> peak{before};
    std::thread watcher([&] {
        while (!done) {
            peak = std::max(peak.load(), residentMiBNow());
            Sleep(1);
        }
    });
    const double start = processorMsNow();
    work();
    const double spent = processorMsNow() - start;
    done = true;
    watcher.join();
    return {spent, std::max(peak.load(), residentMiBNow()) - before};
}
#else
inline long residentMiB(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::strlen(field))) / 1024;
    return -1;
}
template <typename Work> Cost costOf(Work&& work)
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
    std::ofstream("/proc/self/clear_refs") << "5"; // the peak starts again from here
    const long before = residentMiB("VmRSS:");
    const std::clock_t start = std::clock();
    work();
    return {double(std::clock() - start) * 1000 / CLOCKS_PER_SEC, residentMiB("VmHWM:") - before};
}
#endif

// The processor time of drawing the shipped pictures ten times for a tile
// and for the board, some 30 ms here where one picture may take 250: costly
// ones are bound by some times this, which holds as well under qemu.
inline double yardstickMs()
{
    static const double ms =
        costOf([] {
            WmfPictures shipped(PAROLIX_DATA_DIR);
            for (int i = 0; i < 160; ++i)
                (void)shipped
                    .load("0" + std::to_string(i % 8) + ".wmf",
                          i % 16 < 8 ? PicturePlace{{113, 107}, PicturePlace::Fit::Shrink} : PicturePlace{{1280, 1024}})
                    .ok();
        }).processorMs;
    return ms;
}

} // namespace wmftest

using namespace wmftest;
