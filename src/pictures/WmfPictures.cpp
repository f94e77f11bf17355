// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Pictures.h"

#include "WmfPlayer.h"
#include "platform/Files.h"

#include <fstream>
#include <iterator>

Result<QImage> WmfPictures::load(const std::string& fileName, double scale)
{
    DiskFiles files(folder_);
    if (!files.exists(fileName)) return {{}, Error::NotFound};
    std::ifstream in(files.resolve(fileName), std::ios::binary);
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
    return renderWmf(bytes, scale);
}
