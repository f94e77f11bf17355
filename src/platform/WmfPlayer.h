#pragma once
#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

// Plays a Windows Metafile (placeable or plain) onto an image of the
// picture's own size at 96 dots per inch, transparent where nothing is drawn.
// Returns false, with a short reason in Italian, for a file that is not a
// metafile, is truncated or damaged, is larger than 4096 pixels a side or
// would take too long to draw; never reads outside the bytes given.
// Records it does not know are skipped.
bool renderWmf(const std::vector<uint8_t>& bytes, QImage& out, std::string& error);
