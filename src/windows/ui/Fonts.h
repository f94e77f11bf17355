// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
#include <QFont>
#include <QString>

// The faces the game's windows name are mapped to metric-compatible ones:
// Liberation Mono for "Courier New", Liberation Sans for "Arial", "Tahoma"
// and "MS Sans Serif". Call once after the application object exists.
void installFontSubstitutions();

// A font of the given face and point size, sized in pixels (points x 96 / 72)
// so the pixel layout holds at any screen resolution.
QFont gameFont(const QString& family, double points, bool bold, bool underline = false);
