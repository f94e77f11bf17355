// Parolix: decides where its files live, wires the system's services into the
// windows and opens the launcher.
#include "launcher/Startup.h"
#include "ui/Artwork.h"
#include "ui/Fonts.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    installFontSubstitutions();
    QApplication::setWindowIcon(Artwork::windowIcon());
    // Desktops that match windows to their menu entry by id (Wayland) find
    // the icon and name this way.
    QGuiApplication::setDesktopFileName("org.example.parolix");

    Parolix game(QCoreApplication::applicationDirPath());
    game.start();
    return app.exec();
}
