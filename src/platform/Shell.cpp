#include "platform/Shell.h"

#include "platform/Text.h"

#include <QDesktopServices>
#include <QUrl>

bool QtShell::openDocument(const std::string& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(toUnicode(path)));
}

bool QtShell::openUrl(const std::string& url)
{
    return QDesktopServices::openUrl(QUrl(toUnicode(url)));
}
