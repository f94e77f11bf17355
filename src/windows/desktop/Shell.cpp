// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/Shell.h"

#include "desktop/Text.h"

#include <QDesktopServices>
#include <QFile>

QUrl documentUrl(const std::string& path)
{
    return QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(path)));
}

bool QtShell::openDocument(const std::string& path)
{
    return QDesktopServices::openUrl(documentUrl(path));
}

bool QtShell::openUrl(const std::string& url)
{
    return QDesktopServices::openUrl(QUrl(toUnicode(url)));
}
