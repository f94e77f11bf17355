// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The genre pictures: a metafile read from its file and played onto an image.

#include "Pictures.h"
#include "platform/Files.h"
#include "wmf/Drawing.h"
#include "wmf/Player.h"
#include "wmf/Records.h"

#include <algorithm>
#include <fstream>
#include <iterator>

// The header is read first, then every record is walked and played in turn
// onto a canvas of what shows of the picture (libUEMF lends only the
// records' names and sizes).
Result<QImage> renderWmf(const std::vector<uint8_t>& bytes, const PicturePlace& place, double scale)
{
    const Result<wmf::Frame> frame = wmf::readFrame(bytes);
    if (!frame.ok()) return {{}, frame.error};
    // The picture as it stands in its place, and the part of it that shows.
    QSize drawn = frame.value.size, shown = drawn;
    if (!place.size.isEmpty()) {
        if (place.fit == PicturePlace::Fit::Cut) shown = drawn.boundedTo(place.size);
        else if (drawn.width() > place.size.width() || drawn.height() > place.size.height())
            drawn = shown = drawn.scaled(place.size, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    }
    const double largest = wmf::Canvas::MaxSide / double(std::max({shown.width(), shown.height(), 1}));
    wmf::Canvas canvas(shown, std::clamp(scale, 1.0, std::max(1.0, largest)));
    if (!canvas.ready()) return {{}, Error::NoMemory};
    const auto* begin = reinterpret_cast<const char*>(bytes.data());
    wmf::RecordReader reader(begin + frame.value.recordsStart, begin + bytes.size());
    wmf::Player player(frame.value, canvas, QSizeF(drawn) * canvas.scale());
    for (;;) {
        wmf::Record record;
        switch (reader.next(record)) {
        case wmf::RecordReader::Step::End: return {canvas.finish(), Error::None};
        case wmf::RecordReader::Step::Truncated: return {{}, Error::Truncated};
        case wmf::RecordReader::Step::Damaged: return {{}, Error::Damaged};
        case wmf::RecordReader::Step::Record: break;
        }
        player.play(record);
        if (canvas.exhausted()) return {{}, Error::TooComplex};
    }
}

Result<QImage> WmfPictures::load(const std::string& fileName, const PicturePlace& place, double scale)
{
    DiskFiles files(folder_);
    if (!files.exists(fileName)) return {{}, Error::NotFound};
    std::ifstream in(nativePath(files.resolve(fileName)), std::ios::binary);
    if (!in) return {{}, Error::Unreadable};
    // A genre picture is small; anything past this is not a picture of ours.
    constexpr std::streamsize limit = 16 * 1024 * 1024;
    std::vector<uint8_t> bytes;
    in.seekg(0, std::ios::end);
    std::streamsize size = in.tellg();
    if (size < 0 || size > limit) return {{}, Error::FileTooLarge};
    in.seekg(0);
    bytes.resize(static_cast<size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), size);
    if (in.gcount() != size) return {{}, Error::Unreadable};
    return renderWmf(bytes, place, scale);
}
