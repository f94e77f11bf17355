// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/Sound.h"

#include <QApplication>

void QtSound::beep()
{
    QApplication::beep();
}
