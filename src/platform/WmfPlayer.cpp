#include "platform/WmfPlayer.h"

// Placeholder until the metafile player lands: every file is refused.
bool renderWmf(const std::vector<uint8_t>&, QImage&, std::string& error)
{
    error = "formato non supportato";
    return false;
}
