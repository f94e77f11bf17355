// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
#include "platform/Result.h"

#include <QImage>
#include <cstdint>
#include <vector>

// Plays a Windows Metafile (placeable or plain) onto an image of the
// picture's own size at 96 dots per inch, transparent where nothing is drawn.
// Refuses, with the kind of fault, a file that is not a metafile, is
// truncated or damaged, is larger than 4096 pixels a side or would take too
// long to draw; never reads outside the bytes given. Records it does not know
// are skipped. The parts live in platform/wmf/.
// With a scale above 1 (a screen's device pixel ratio) it draws that many
// pixels to the picture's pixel, up to 4096 a side, and tells the image so
// (devicePixelRatio): the image still covers the picture's own size.
Result<QImage> renderWmf(const std::vector<uint8_t>& bytes, double scale = 1.0);
