// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "launcher/Parolix.h"

#include "Identity.h"
#include "desktop/SessionShutdown.h"
#include "game/Deal.h"
#include "gamewindow/Form2Text.h"
#include "launcher/SystemEnd.h"
#include "platform/Files.h"
#include "records/GameJournal.h"
#include "ui/Look.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSessionManager>

#include <cstdio>
#include <cstdlib>

FileLayout fileLayoutFor(const QString& programFolder)
{
    LayoutFacts facts;
    facts.programFolder = diskName(QDir::cleanPath(programFolder));
    // Whatever kind of file it is: one that cannot be read is told when a
    // game begins, and the copy stays portable.
    facts.programHoldsWordList = holdsEntry(facts.programFolder, WordListFile);
    facts.installedDataFolder = diskName(QDir::cleanPath(programFolder + "/../share/parolix"));
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
    QDir::setCurrent(fromDiskName(layout_.dataFolder));
}

Parolix::~Parolix() = default;

void Parolix::keepScoresAtSessionEnd()
{
    if (hooked_ || !launcher_) return;
    hooked_ = true;
#if QT_CONFIG(sessionmanager)
    // The session manager asks for the data to be saved before a logout or
    // a shutdown: the game's score and the player's name are that data.
    // A checkpoint is no ending: the game goes on, its journal already
    // holding its score.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, launcher_.get(), [this](QSessionManager&) {
        if (sessionshutdown::checkpoint()) return;
        if (launcher_->gameWindow()) endedBySession_ = true;
        endOpenGame();
    });
    // The shutdown called off: the player comes back to the launcher, and
    // is told where the game went.
    sessionshutdown::onShutdownCancelled([this] {
        if (!endedBySession_ || !launcher_) return;
        endedBySession_ = false;
        launcher_->raise();
        launcher_->activateWindow();
        dialogs_.message(form2text::RecordedAtSessionEnd, form2text::ErrorTitle);
    });
#endif
    systemEnd_ = watchSystemEnd([this] { endOpenGame(); });
}

void Parolix::endOpenGame()
{
    if (!launcher_) return;
    launcher_->keepNameUnattended();
    if (Form2* game = launcher_->gameWindow()) game->endUnattended();
}

// Games whose ending the program never saw (the display gone, a kill, a
// power cut) left their journal: their scores go into the records before
// the launcher shows it.
void Parolix::recoverUnseenEndings()
{
    const JournalRecovery found = recoverJournals(files_, records_);
    for (const std::string& aside : found.setAside)
        dialogs_.message(form2text::journalSetAsideMessage(aside), form2text::ErrorTitle);
    for (const std::string& name : found.unreadable)
        dialogs_.message(form2text::journalUnreadableMessage(name), form2text::ErrorTitle);
    if (found.saveError != Error::None)
        dialogs_.message(form2text::recordsSaveFailedMessage(found.saveError), form2text::ErrorTitle);
}

Form1& Parolix::start()
{
    recoverUnseenEndings();
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
