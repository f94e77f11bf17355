#include "game/Form2.h"

Form2::Form2(Session&, Platform&, RecordsTable&, QWidget* parent) : QMainWindow(parent) {}
Form2::~Form2() = default;
void Form2::Form_Load() { show(); }
void Form2::Records_Click() {}
void Form2::Indietro_Click() { close(); }
void Form2::Nome_Click() {}
void Form2::Difficolt_Click() {}
void Form2::showGenre(const std::string&, const std::string&) {}
void Form2::drawPoolSlot(int, char) {}
void Form2::drawTargetRows() {}
