// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// What differs between systems where the game meets them at start-up and at
// the end: where the player's files may go, and how the system asks a
// running program to end besides the session manager (one file per system:
// SystemPosix.cpp, SystemWindows.cpp).

#include "platform/FileLayout.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

// A path as the game's files hold it (the file system's own bytes on POSIX,
// UTF-8 on Windows, which spells every name) and back.
std::string diskName(const QString& path);
QString fromDiskName(const std::string& path);

// Fills in whether the program folder can be written and where the
// player's own data folder is.
void addSystemFacts(LayoutFacts& facts, const QString& programFolder);

// From now on the system's own requests to end (SIGTERM and SIGHUP on
// POSIX; none on Windows, whose logoff comes as the session manager's
// commitDataRequest) call `end` from the event loop, and the program then
// exits. The watch lasts as long as the returned object.
std::unique_ptr<QObject> watchSystemEnd(std::function<void()> end);
