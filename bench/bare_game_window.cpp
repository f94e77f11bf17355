// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The yardstick for opening the game window: a small window whose button
// lies where the launcher's first genre picture does; a click on it opens a
// maximized main window with a menu bar of two menus.
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget launcher;
    launcher.setWindowTitle("Bare");
    launcher.setFixedSize(532, 413);
    auto* tile = new QPushButton("Uno", &launcher);
    tile->setGeometry(18, 46, 117, 111);
    QObject::connect(tile, &QPushButton::clicked, [] {
        auto* w = new QMainWindow;
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->setWindowTitle("Bare (uno)");
        QMenu* options = w->menuBar()->addMenu("&Opzioni");
        for (const char* t : {"Uno", "Due", "Tre", "Quattro"}) options->addAction(t);
        QMenu* help = w->menuBar()->addMenu("&Help");
        for (const char* t : {"Cinque", "Sei", "Sette"}) help->addAction(t);
        w->setCentralWidget(new QWidget);
        w->showMaximized();
    });
    launcher.show();
    return app.exec();
}
