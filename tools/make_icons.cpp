// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Writes the desktop icons (ParolixIcon.h) at the icon theme's sizes and as
// an SVG, committed under dist/icons/:
//
//   cmake --build <build> --target make_icons && <build>/tools/make_icons dist/icons
#include "ParolixIcon.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

// Installed under the component ID set in CMakeLists.txt.
constexpr const char* IconName = "parolix";
constexpr int Sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString root = (argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")) + "/hicolor/";
    bool ok = true;
    for (int size : Sizes) {
        const QString folder = root + QString("%1x%1/apps").arg(size);
        QDir().mkpath(folder);
        const QString path = folder + "/" + IconName + ".png";
        if (!parolix_icon::draw(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok = false;
        } else {
            std::printf("%s\n", qPrintable(path));
        }
    }
    QDir().mkpath(root + "scalable/apps");
    ok = writeFile(root + "scalable/apps/" + IconName + ".svg", parolix_icon::svg().toUtf8()) && ok;
    return ok ? 0 : 1;
}
