// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Genre pictures (Windows Metafiles) turned into images for their place.

#include "platform/Result.h"

#include <QImage>
#include <QSize>

#include <cstdint>
#include <string>
#include <vector>

// Where a picture is shown, in the windows' pixels: a place of this size,
// the picture's top-left corner at its top-left. There the picture stands at
// its own size, cut at the place's edges (the game window's picture box and
// board), or, when larger than the place, shrunk to fit in it whole (a
// launcher tile). Only what shows is drawn, so a picture whose window is far
// larger than its place costs no more than the place. An empty place shows
// the picture whole at its own size.
struct PicturePlace {
    enum class Fit { Cut, Shrink };
    QSize size;
    Fit fit = Fit::Cut;
};

class Pictures {
public:
    virtual ~Pictures() = default;
    // The image, or why the file is missing or cannot be read. It covers
    // what shows of the picture in its place (see PicturePlace), in the
    // windows' pixels, drawn with `scale` image pixels to each (a screen's
    // device pixel ratio) so it stays sharp.
    virtual Result<QImage> load(const std::string& fileName, const PicturePlace& place = {}, double scale = 1.0) = 0;
};

// Reads metafiles from one folder, names matched in any case.
class WmfPictures : public Pictures {
public:
    explicit WmfPictures(std::string folder) : folder_(std::move(folder)) {}
    Result<QImage> load(const std::string& fileName, const PicturePlace& place = {}, double scale = 1.0) override;

private:
    std::string folder_;
};

// Plays a Windows Metafile (placeable or plain) onto an image of what shows
// of it in its place, at 96 dots per inch, transparent where nothing is
// drawn. Refuses, with the kind of fault, a file that is not a metafile, is
// truncated or damaged, is larger than 4096 pixels a side or would take too
// long to draw (more records, points or painting than any genre picture
// needs, see wmf::Canvas); never reads outside the bytes given. Records it
// does not know are skipped. The parts live in wmf/.
// With a scale above 1 (a screen's device pixel ratio) it draws that many
// pixels to the window's pixel, up to 4096 a side, and tells the image so
// (devicePixelRatio): the image still covers the same part of its place.
Result<QImage> renderWmf(const std::vector<uint8_t>& bytes, const PicturePlace& place = {}, double scale = 1.0);
