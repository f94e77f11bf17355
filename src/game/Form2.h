#pragma once
// The game window: the board, the clock, dragging, placement and the end of a
// game. Each game gets a fresh window; it deletes itself when unloaded.

#include "game/BoardPainter.h"
#include "game/Deal.h"
#include "platform/Platform.h"
#include "records/RecordsTable.h"
#include "session/Session.h"

#include <QMainWindow>

class Form2 : public QMainWindow, public BoardPainter {
    Q_OBJECT
public:
    Form2(Session& session, Platform& platform, RecordsTable& records, QWidget* parent = nullptr);
    ~Form2() override;

    // Sizes, maximizes and shows the window; the first round is dealt once.
    void Form_Load();

    // Commands of the menu bar.
    void Records_Click();   // shows the records table
    void Indietro_Click();  // ends the game: records, end message, unload
    void Nome_Click();      // asks the player's name
    void Difficolt_Click(); // asks the help percentage

    // BoardPainter
    void showGenre(const std::string& name, const std::string& pictureFile) override;
    void drawPoolSlot(int slot, char letter) override;
    void drawTargetRows() override;

signals:
    // The window has been unloaded; the launcher is in front again.
    void unloaded();
};
