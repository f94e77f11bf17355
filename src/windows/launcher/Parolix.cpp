// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "launcher/Parolix.h"

#include "Identity.h"
#include "game/Deal.h"
#include "launcher/SystemEnd.h"
#include "platform/Files.h"
#include "ui/Look.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSessionManager>

#include <cstdio>
#include <cstdlib>

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
    // Whatever kind of file it is: one that cannot be read is told when a
    // game begins, and the copy stays portable.
    facts.programHoldsWordList = holdsEntry(facts.programFolder, WordListFile);
    facts.installedDataFolder = onDisk(QDir::cleanPath(programFolder + "/../share/parolix"));
    addSystemFacts(facts, programFolder);
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
    loadQtItalian();
    installTextBoxReading();
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

void Parolix::keepScoresAtSessionEnd()
{
    if (hooked_ || !launcher_) return;
    hooked_ = true;
#if QT_CONFIG(sessionmanager)
    // The session manager asks for the data to be saved before a logout or
    // a shutdown: the game's score and the player's name are that data.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, launcher_.get(),
                     [this](QSessionManager&) { endOpenGame(); });
#endif
    systemEnd_ = watchSystemEnd([this] { endOpenGame(); });
}

void Parolix::endOpenGame()
{
    if (!launcher_) return;
    launcher_->keepNameUnattended();
    if (Form2* game = launcher_->gameWindow()) game->endUnattended();
}

Form1& Parolix::start()
{
    launcher_ = std::make_unique<Form1>(session_, platform_, records_);
    launcher_->Form_Load();
    launcher_->show();
    launcher_->activateWindow();
    return *launcher_;
}

namespace {

// These go to a terminal, so they are UTF-8, not code page 1252 as the
// windows' texts.
constexpr const char* HelpText = "Uso: parolix [OPZIONE]\n"
                                 "Gioco di anagrammi in italiano. Senza opzioni apre la scelta del genere.\n"
                                 "\n"
                                 "  -h, --help      mostra questo aiuto ed esce\n"
                                 "  -V, --version   mostra la versione ed esce\n"
                                 "\n"
                                 "Accetta anche le opzioni comuni dei programmi Qt (-style, -platform ...).\n"
                                 "Manuale: man 6 parolix. Sito: " PAROLIX_HOMEPAGE "\n";

constexpr const char* VersionText = "Parolix " PAROLIX_VERSION "\n"
                                    "Copyright 2026 The Parolix developers\n"
                                    "Licenza GPL-2.0-or-later: GNU GPL versione 2 o successiva\n"
                                    "<https://www.gnu.org/licenses/old-licenses/gpl-2.0.html>.\n"
                                    "Questo \u00E8 software libero: puoi modificarlo e ridistribuirlo.\n"
                                    "Non c'\u00E8 alcuna garanzia, nei limiti consentiti dalla legge.\n";

constexpr const char* TryHelp = "; prova 'parolix --help'.\n";

// A help nobody could read (a full disk, a closed pipe) is a failure.
int written(const char* text, std::FILE* out)
{
    return std::fputs(text, out) >= 0 && std::fflush(out) == 0 ? 0 : 1;
}

} // namespace

int answerCommandLine(const CommandLine& line, std::FILE* out, std::FILE* err)
{
    const char* arg = line.argument.c_str();
    switch (line.action) {
    case CommandAction::Help: return written(HelpText, out);
    case CommandAction::Version: return written(VersionText, out);
    case CommandAction::UnknownOption: std::fprintf(err, "parolix: opzione sconosciuta '%s'%s", arg, TryHelp); return 2;
    case CommandAction::MissingValue:
        std::fprintf(err, "parolix: manca il valore dell'opzione '%s'%s", arg, TryHelp);
        return 2;
    case CommandAction::Operand: std::fprintf(err, "parolix: argomento non previsto '%s'%s", arg, TryHelp); return 2;
    case CommandAction::Play: break;
    }
    return 0;
}
