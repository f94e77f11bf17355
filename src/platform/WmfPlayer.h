#pragma once
#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

// Plays a Windows Metafile (placeable or plain) onto an image of the
// picture's own size at 96 dots per inch, transparent where nothing is drawn.
// Returns false, with the reason, for a file that is not a metafile or is
// damaged; never reads outside the bytes given.
bool renderWmf(const std::vector<uint8_t>& bytes, QImage& out, std::string& error);
