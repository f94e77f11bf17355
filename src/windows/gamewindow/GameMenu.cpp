// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The game window's menu bar, "&Opzioni" and "&Help": every entry and
// shortcut wired to its command. How readers hear it: MenuAccessible.cpp.

#include "about/Form3.h"
#include "desktop/Platform.h"
#include "gamewindow/Form2.h"
#include "gamewindow/Form2Text.h"
#include "gamewindow/MenuAccessible.h"
#include "ui/Messages.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>
#include <QStyle>
#include <QTimer>

#include <utility>

namespace {

template <typename Slot>
QAction* entry(QMenu* menu, const char* caption, const QKeySequence& shortcut, const char* name, Slot slot)
{
    QAction* a = menu->addAction(toUnicode(caption));
    a->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    // Shortcuts work whenever the game window has the focus.
    a->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(a, &QAction::triggered, menu, slot);
    return a;
}

} // namespace

void Form2::createMenu()
{
    using namespace form2text;
    readMenuEntriesWell(); // "Scelta altro Genere ", read without its blank and with "F2"
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(toUnicode(File));
    file->setObjectName("File");
    entry(file, Records, {}, "Records", [this] { ShowRecords(); });
    entry(file, Indietro, QKeySequence(Qt::Key_F2), "Indietro", [this] { Indietro_Click(); });
    entry(file, Nome, QKeySequence(Qt::Key_F3), "Nome", [this] { Nome_Click(); });
    entry(file, Difficolt, QKeySequence(Qt::Key_F4), "Difficolt", [this] { Difficolt_Click(); });
    file->addSeparator()->setObjectName("Meno1");
    // Ends the program at once: no records, no message.
    entry(file, FineGioco, QKeySequence(Qt::CTRL | Qt::Key_F4), "FineGioco", [this] {
        dropJournal();
        platform_.endProgram();
    });

    QMenu* help = bar->addMenu(toUnicode(Help));
    help->setObjectName("help");
    entry(help, Aiuto, QKeySequence(Qt::Key_F1), "aiuto",
          [this] { platform_.dialogs.message(helpMessage(session_), HelpTitle); });
    entry(help, Menudo, QKeySequence(Qt::CTRL | Qt::Key_F1), "Menudo", [this] { openDocumentation(platform_); });
    help->addSeparator()->setObjectName("barra");
    entry(help, MenuMail, {}, "MenuMail", [this] { writeMailToAuthor(platform_); });
    entry(help, MenuTHP, {}, "MenuTHP", [this] { openWebSite(platform_); });
    help->addSeparator()->setObjectName("Meno3");
    entry(help, About, QKeySequence(Qt::Key_F6), "about", [this] {
        auto* box = new Form3(this, platform_);
        box->Form_Load();
    });

    // F10 opens the first menu, as on the GNOME desktop and as Orca's users
    // expect; Alt goes on doing so too.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, bar, [bar, file] { bar->setActiveAction(file->menuAction()); });

    // Named for screen readers as they show on the bar.
    bar->setAccessibleName(toUnicode(MenuBarName));
    for (QMenu* menu : {file, help}) menu->setAccessibleName(menu->title().remove(QLatin1Char('&')));
    // The bar and its menus in the face and size of a desktop without a theme,
    // whatever the desktop's; the menus open as windows of their own, which
    // take no colours from the game's window.
    const QFont menuFont = gameFont("Sans Serif", 9, false);
    bar->setFont(menuFont);
    auto* opened = new OpenedEntry(this);
    for (QMenu* menu : {file, help}) {
        menu->installEventFilter(opened);
        menu->setPalette(gamePalette());
        menu->setFont(menuFont);
    }
}
