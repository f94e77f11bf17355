// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Parolix: answers --help and --version, or decides where its files live,
// wires the system's services into the windows and opens the launcher.
#include "launcher/Parolix.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Before QApplication, which would need a display to answer.
    const CommandLine line = parseCommandLine(argc, argv);
    if (line.action != CommandAction::Play) return answerCommandLine(line, stdout, stderr);

    QApplication app(argc, argv);
    Parolix game(QCoreApplication::applicationDirPath());
    game.start();
    game.keepScoresAtSessionEnd();
    return app.exec();
}
