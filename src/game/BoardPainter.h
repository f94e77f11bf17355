#pragma once
#include <string>

// The drawing steps a deal asks of the game window.
class BoardPainter {
public:
    virtual ~BoardPainter() = default;
    // Genre name in its label; the genre picture as background and in the
    // picture box. Clears everything drawn before.
    virtual void showGenre(const std::string& name, const std::string& pictureFile) = 0;
    // Pool slot s (1-based) with its letter; a blank draws an empty tile.
    virtual void drawPoolSlot(int slot, char letter) = 0;
    // One row of boxes per target word, at the current client width.
    virtual void drawTargetRows() = 0;
};
