// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Genre pictures (Windows Metafiles) turned into images at their own size.

#include "platform/Result.h"

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

class Pictures {
public:
    virtual ~Pictures() = default;
    // The image, or why the file is missing or cannot be read. It covers the
    // picture's own size in the windows' pixels, drawn with `scale` image
    // pixels to each (a screen's device pixel ratio) so it stays sharp.
    virtual Result<QImage> load(const std::string& fileName, double scale = 1.0) = 0;
};

// Reads metafiles from one folder, names matched in any case.
class WmfPictures : public Pictures {
public:
    explicit WmfPictures(std::string folder) : folder_(std::move(folder)) {}
    Result<QImage> load(const std::string& fileName, double scale = 1.0) override;

private:
    std::string folder_;
};

// Plays a Windows Metafile (placeable or plain) onto an image of the
// picture's own size at 96 dots per inch, transparent where nothing is drawn.
// Refuses, with the kind of fault, a file that is not a metafile, is
// truncated or damaged, is larger than 4096 pixels a side or would take too
// long to draw; never reads outside the bytes given. Records it does not know
// are skipped. The parts live in wmf/.
// With a scale above 1 (a screen's device pixel ratio) it draws that many
// pixels to the picture's pixel, up to 4096 a side, and tells the image so
// (devicePixelRatio): the image still covers the picture's own size.
Result<QImage> renderWmf(const std::vector<uint8_t>& bytes, double scale = 1.0);
