// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
#include "platform/Result.h"

#include <QImage>
#include <string>

// Genre pictures (Windows Metafiles) turned into images at their own size.
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
