// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// One run of the game as main() starts it: where the files live, the system's
// services wired into the windows, and the launcher.

#include "desktop/Platform.h"
#include "launcher/Form1.h"
#include "platform/CommandLine.h"
#include "platform/FileLayout.h"
#include "records/RecordsTable.h"
#include "session/Session.h"

#include <QObject>
#include <QString>

#include <cstdio>
#include <memory>

// The layout for a program whose executable lies in this folder, from what
// the disk and the desktop say.
FileLayout fileLayoutFor(const QString& programFolder);

class Parolix {
public:
    // Needs a QApplication; sets the application-wide fonts and icon. Shows
    // nothing yet.
    explicit Parolix(const QString& programFolder);
    ~Parolix();
    Parolix(const Parolix&) = delete;
    Parolix& operator=(const Parolix&) = delete;

    // Loads and shows the launcher, as the game opens.
    Form1& start();

    // Once the launcher is started: from now on the end of the desktop
    // session, SIGTERM and SIGHUP end an open game with its score saved, as
    // the game window's endUnattended does, and save a name still being
    // typed; the signals then end the program.
    void keepScoresAtSessionEnd();

    const FileLayout& layout() const { return layout_; }
    Session& session() { return session_; }

private:
    FileLayout layout_;
    SystemClock clock_;
    MixingRandom random_;
    DiskFiles files_;
    QtDialogs dialogs_;
    WmfPictures pictures_;
    QtShell shell_;
    QtPointer pointer_;
    QtSound sound_;
    Platform platform_;
    Session session_;
    RecordsTable records_;
    std::unique_ptr<Form1> launcher_;
    std::unique_ptr<QObject> systemEnd_; // the system's requests to end, watched
    bool hooked_ = false;                // keepScoresAtSessionEnd has run
    bool endedBySession_ = false;        // a shutdown's save ended the open game
    void endOpenGame();
    void recoverUnseenEndings();
};

// The answers to --help, --version and a wrong argument, written to the
// terminal before any window opens.

// Writes the help or the version to out, or one error line to err, and
// returns the program's exit status: 0 for an answer, 2 for a fault. Not for
// CommandAction::Play.
int answerCommandLine(const CommandLine& line, std::FILE* out, std::FILE* err);
