// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Parolix: decides where its files live, wires the system's services into the
// windows and opens the launcher.
#include "launcher/Startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Parolix game(QCoreApplication::applicationDirPath());
    game.start();
    return app.exec();
}
