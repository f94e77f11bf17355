// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "gamewindow/GameMenu.h"

#include "about/Form3.h"
#include "desktop/Text.h"
#include "gamewindow/Form2Text.h"
#include "ui/Links.h"
#include "ui/MenuEntryAccessible.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

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

void installGameMenu(QMainWindow& window, const GameCommands& commands, Session& session, Platform& platform)
{
    using namespace form2text;
    nameMenuEntriesWithoutBlanks(); // "Scelta altro Genere ", read without its blank
    QMenuBar* bar = window.menuBar();

    QMenu* file = bar->addMenu(toUnicode(File));
    file->setObjectName("File");
    entry(file, Records, {}, "Records", commands.records);
    entry(file, Indietro, QKeySequence(Qt::Key_F2), "Indietro", commands.indietro);
    entry(file, Nome, QKeySequence(Qt::Key_F3), "Nome", commands.nome);
    entry(file, Difficolt, QKeySequence(Qt::Key_F4), "Difficolt", commands.difficolt);
    file->addSeparator()->setObjectName("Meno1");
    // Ends the program at once: no records, no message.
    entry(file, FineGioco, QKeySequence(Qt::CTRL | Qt::Key_F4), "FineGioco", [&platform] { platform.endProgram(); });

    QMenu* help = bar->addMenu(toUnicode(Help));
    help->setObjectName("help");
    entry(help, Aiuto, QKeySequence(Qt::Key_F1), "aiuto",
          [&session, &platform] { platform.dialogs.message(helpMessage(session), HelpTitle); });
    entry(help, Menudo, QKeySequence(Qt::CTRL | Qt::Key_F1), "Menudo", [&platform] { openDocumentation(platform); });
    help->addSeparator()->setObjectName("barra");
    entry(help, MenuMail, {}, "MenuMail", [&platform] { writeMailToAuthor(platform); });
    entry(help, MenuTHP, {}, "MenuTHP", [&platform] { openWebSite(platform); });
    help->addSeparator()->setObjectName("Meno3");
    entry(help, About, QKeySequence(Qt::Key_F6), "about", [&window, &platform] {
        auto* box = new Form3(&window, platform);
        box->Form_Load();
    });

    // Named for screen readers as they show on the bar.
    bar->setAccessibleName(toUnicode(MenuBarName));
    for (QMenu* menu : {file, help}) menu->setAccessibleName(menu->title().remove(QLatin1Char('&')));
}
