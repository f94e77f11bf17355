// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "launcher/Parolix.h"

#include "Identity.h"
#include "game/WordList.h"
#include "platform/Files.h"
#include "ui/Artwork.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

std::string onDisk(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

FileLayout fileLayoutFor(const QString& programFolder)
{
    LayoutFacts facts;
    facts.programFolder = onDisk(QDir::cleanPath(programFolder));
    facts.programHoldsWordList = DiskFiles(facts.programFolder).exists(WordListFile);
    // access() also says no for a read-only mount, which the mode bits hide.
    facts.programWritable = ::access(facts.programFolder.c_str(), W_OK) == 0;
    facts.installedDataFolder = onDisk(QDir::cleanPath(programFolder + "/../share/parolix"));
    // Straight from the environment, byte for byte: a folder name that is not
    // UTF-8 would not survive a trip through QString.
    facts.playerDataFolder = playerDataFolderFrom(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (facts.playerDataFolder.empty()) facts.playerDataFolder = onDisk(QDir::homePath() + "/.local/share/parolix");
    return chooseFileLayout(facts);
}

Parolix::Parolix(const QString& programFolder)
    : layout_(fileLayoutFor(programFolder)),
      random_(static_cast<uint64_t>(clock_.secondsSinceMidnight() * 1000.0) ^ 0x9E3779B97F4A7C15ull),
      files_(layout_.dataFolder, layout_.playerFolder), pictures_(layout_.dataFolder), pointer_(Artwork::handCursor()),
      platform_{clock_, random_, files_, dialogs_, pictures_, shell_, pointer_, sound_, [] {
                    // At once: no window's close or unload handling runs.
                    std::fflush(nullptr);
                    QCoreApplication::exit(0);
                }}
{
    files_.setOtherPlayerFolder(layout_.otherPlayerFolder);
    installFontSubstitutions();
    QApplication::setWindowIcon(Artwork::windowIcon());
    // Desktops that match windows to their menu entry by id (Wayland) find
    // the icon and name this way.
    QGuiApplication::setDesktopFileName(PAROLIX_APP_ID);
    // Nothing is addressed through the current folder any more; the data
    // folder is the one place where a stray relative name does no harm.
    QDir::setCurrent(QFile::decodeName(layout_.dataFolder.c_str()));
}

Parolix::~Parolix() = default;

Form1& Parolix::start()
{
    launcher_ = std::make_unique<Form1>(session_, platform_, records_);
    launcher_->Form_Load();
    launcher_->show();
    launcher_->activateWindow();
    return *launcher_;
}
