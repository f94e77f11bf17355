// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/Look.h"

#include <cmath>

void installFontSubstitutions()
{
    QFont::insertSubstitution("Courier New", "Liberation Mono");
    for (const char* face : {"Arial", "Tahoma", "MS Sans Serif"}) QFont::insertSubstitution(face, "Liberation Sans");
}

QFont gameFont(const QString& family, double points, bool bold, bool underline)
{
    QFont f(family);
    f.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

// The pictures live in this static library; its resources must be registered
// by hand before the first use (outside any namespace, as Qt asks).
static void registerResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)done;
}

namespace {
QPixmap picture(const char* path)
{
    registerResources();
    return QPixmap(QString::fromLatin1(path));
}
} // namespace

namespace Artwork {
QIcon windowIcon()
{
    return QIcon(picture(":/artwork/icon.png"));
}
QPixmap hand()
{
    return picture(":/artwork/hand.png");
}
QCursor handCursor()
{
    return QCursor(hand(), 12, 6);
}
QPixmap emblem()
{
    return picture(":/artwork/emblem.png");
}
QPixmap flag()
{
    return picture(":/artwork/flag.png");
}
} // namespace Artwork
