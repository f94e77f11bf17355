// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Every test program runs with a QApplication on the offscreen platform.
#include "ui/Look.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
#ifdef _WIN32
    // The offscreen platform reads its fonts from a folder, by default one
    // beside Qt's libraries, which a static Qt has not: the system's own.
    if (qgetenv("QT_QPA_FONTDIR").isEmpty()) qputenv("QT_QPA_FONTDIR", qgetenv("windir") + "\\Fonts");
#endif
    QApplication app(argc, argv);
    installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
