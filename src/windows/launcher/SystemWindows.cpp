// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "launcher/SystemEnd.h"

#include "platform/FilesWindows.h"

#include <QDir>
#include <QFile>

#include <windows.h>

#include <shlobj.h>

std::string diskName(const QString& path)
{
    return path.toStdString();
}

QString fromDiskName(const std::string& path)
{
    return QString::fromStdString(path);
}

void addSystemFacts(LayoutFacts& facts, const QString& programFolder)
{
    // Program Files takes no files from a player; an unpacked archive does.
    // Only a file made there tells: the folder's attributes say nothing
    // about its ACL.
    facts.programWritable = folderTakesFiles(facts.programFolder);
    wchar_t* appData = nullptr;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &appData) == S_OK) {
        facts.playerDataFolder = diskName(QDir::fromNativeSeparators(QString::fromWCharArray(appData)) + "/Parolix");
    }
    CoTaskMemFree(appData);
    if (facts.playerDataFolder.empty())
        facts.playerDataFolder = diskName(QDir::homePath() + "/AppData/Roaming/Parolix");
    (void)programFolder;
}

std::unique_ptr<QObject> watchSystemEnd(std::function<void()>)
{
    // Windows ends a session through WM_QUERYENDSESSION, which Qt hands on
    // as commitDataRequest; there are no signals to watch.
    return nullptr;
}
