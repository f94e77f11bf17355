// Parolix: wires the system's services into the windows and opens the
// launcher.
#include "launcher/Form1.h"
#include "menus/Artwork.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/Text.h"
#include "records/RecordsTable.h"
#include "session/Session.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    installFontSubstitutions();
    QApplication::setWindowIcon(Artwork::windowIcon());

    // Every file is addressed beside the program.
    const QString folder = QCoreApplication::applicationDirPath();
    QDir::setCurrent(folder);
    const std::string diskFolder = QFile::encodeName(folder).toStdString();

    SystemClock clock;
    MixingRandom random(static_cast<uint64_t>(clock.secondsSinceMidnight() * 1000.0) ^ 0x9E3779B97F4A7C15ull);
    DiskFiles files(diskFolder);
    QtDialogs dialogs;
    WmfPictures pictures(diskFolder);
    QtShell shell;
    QtPointer pointer(Artwork::handCursor());
    QtSound sound;
    // The shell takes text in the game's code page.
    Platform platform{clock, random, files, dialogs, pictures, shell, pointer, sound, toCp1252(folder),
                      [] {
                          // At once: no window's close or unload handling runs.
                          std::fflush(nullptr);
                          QCoreApplication::exit(0);
                      }};

    Session session;
    RecordsTable records;
    Form1 launcher(session, platform, records);
    launcher.Form_Load();
    launcher.show();
    launcher.activateWindow();
    return app.exec();
}
