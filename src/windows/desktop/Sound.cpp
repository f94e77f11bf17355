#include "desktop/Sound.h"

#include <QApplication>

void QtSound::beep() { QApplication::beep(); }
