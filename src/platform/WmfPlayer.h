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
Result<QImage> renderWmf(const std::vector<uint8_t>& bytes);
