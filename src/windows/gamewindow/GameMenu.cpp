// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "gamewindow/GameMenu.h"

#include "about/Form3.h"
#include "gamewindow/Form2.h"
#include "gamewindow/Form2Text.h"
#include "desktop/Text.h"
#include "ui/Links.h"

#include <QAction>
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

void installGameMenu(Form2& form, Session& session, Platform& platform)
{
    using namespace form2text;
    QMenuBar* bar = form.menuBar();

    QMenu* file = bar->addMenu(toUnicode(File));
    file->setObjectName("File");
    entry(file, Records, {}, "Records", [&form] { form.Records_Click(); });
    entry(file, Indietro, QKeySequence(Qt::Key_F2), "Indietro", [&form] { form.Indietro_Click(); });
    entry(file, Nome, QKeySequence(Qt::Key_F3), "Nome", [&form] { form.Nome_Click(); });
    entry(file, Difficolt, QKeySequence(Qt::Key_F4), "Difficolt", [&form] { form.Difficolt_Click(); });
    file->addSeparator()->setObjectName("Meno1");
    // Ends the program at once: no records, no message.
    entry(file, FineGioco, QKeySequence(Qt::CTRL | Qt::Key_F4), "FineGioco",
          [&platform] { platform.endProgram(); });

    QMenu* help = bar->addMenu(toUnicode(Help));
    help->setObjectName("help");
    entry(help, Aiuto, QKeySequence(Qt::Key_F1), "aiuto",
          [&session, &platform] { platform.dialogs.message(helpMessage(session), HelpTitle); });
    entry(help, Menudo, QKeySequence(Qt::CTRL | Qt::Key_F1), "Menudo",
          [&platform] { openDocumentation(platform); });
    help->addSeparator()->setObjectName("barra");
    entry(help, MenuMail, {}, "MenuMail", [&platform] { writeMailToAuthor(platform); });
    entry(help, MenuTHP, {}, "MenuTHP", [&platform] { openWebSite(platform); });
    help->addSeparator()->setObjectName("Meno3");
    entry(help, About, QKeySequence(Qt::Key_F6), "about", [&form, &platform] {
        auto* box = new Form3(&form, platform);
        box->Form_Load();
    });
}
