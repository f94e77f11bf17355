// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "LauncherFixture.h"

#include "desktop/Platform.h"
#include "doubles/Within.h"
#include "gamewindow/Form2Text.h"
#include "ui/Messages.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace {

struct Entry {
    const char* caption; // empty for a separator
    QKeySequence shortcut;
};

void expectMenu(QAction* menuAction, const char* title, const std::vector<Entry>& entries)
{
    SCOPED_TRACE(title);
    ASSERT_TRUE(menuAction->menu());
    EXPECT_EQ(menuAction->text(), toUnicode(title));
    QList<QAction*> actions = menuAction->menu()->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(i);
        QAction* a = actions[static_cast<qsizetype>(i)];
        if (!*entries[i].caption) {
            EXPECT_TRUE(a->isSeparator());
            continue;
        }
        EXPECT_EQ(a->text(), toUnicode(entries[i].caption)); // trailing blanks included
        EXPECT_EQ(a->shortcut(), entries[i].shortcut);
        EXPECT_TRUE(a->isEnabled());
        EXPECT_TRUE(a->isVisible());
        // A screen reader finds the shortcut as the third of "access key;;shortcut".
        QAccessibleInterface* reading = QAccessible::queryAccessibleInterface(a);
        ASSERT_TRUE(reading && reading->actionInterface());
        QStringList keys = reading->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction());
        ASSERT_EQ(keys.size(), 3);
        EXPECT_EQ(QKeySequence(keys[2].replace("<Control>", "Ctrl+")), entries[i].shortcut) << keys[2].toStdString();
    }
}

} // namespace

// The menu tree as the game has always had it.
TEST_F(Launcher, MenuCaptionsAndShortcuts)
{
    useShippedPictures();
    open();
    Form2* game = startGame(0);
    ASSERT_TRUE(game);
    QList<QAction*> menus = game->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    expectMenu(menus[0], "&Opzioni",
               {{"Tabella Records", {}},
                {"Scelta altro &Genere ", QKeySequence(Qt::Key_F2)},
                {"&Nome Giocatore", QKeySequence(Qt::Key_F3)},
                {"&Percentuale di aiuto  ", QKeySequence(Qt::Key_F4)},
                {"", {}},
                {"&Fine", QKeySequence(Qt::CTRL | Qt::Key_F4)}});
    expectMenu(menus[1], "&Help",
               {{"&Aiuto", QKeySequence(Qt::Key_F1)},
                {"&Documentazione", QKeySequence(Qt::CTRL | Qt::Key_F1)},
                {"", {}},
                {"&Scrivi Mail all'autore ...", {}},
                {"&Visita Trevo Home Page ...", {}},
                {"", {}},
                {"A&bout", QKeySequence(Qt::Key_F6)}});
    snapshot(game, "game-with-menu");
    menus[1]->menu()->popup(game->mapToGlobal(QPoint(40, 20)));
    settle();
    snapshot(menus[1]->menu(), "game-help-menu");
    menus[1]->menu()->hide();
}

// F10 opens the first menu, as on the GNOME desktop; and a text box is read
// whole: one run of text attributes from its first character to its last,
// wherever a reader asks (Orca drops a last character left out of every run).
TEST_F(Launcher, F10OpensTheMenuAndTextBoxesAreReadWhole)
{
    installTextBoxReading();
    open();
    launcher->Text1->setText("ANONIMO");
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(launcher->Text1)->textInterface();
    ASSERT_TRUE(text);
    for (int offset = 0; offset < 7; ++offset) {
        int start = -1, end = -1;
        text->attributes(offset, &start, &end);
        EXPECT_EQ(std::pair(start, end), std::pair(0, 7)) << offset;
    }
    EXPECT_EQ(text->text(0, text->characterCount()), "ANONIMO");

    Form2* game = startGame(0);
    ASSERT_TRUE(game);
    QMenu* first = game->menuBar()->actions().value(0)->menu();
    QTest::keyClick(game->windowHandle(), Qt::Key_F10);
    settle();
    EXPECT_TRUE(first->isVisible());
    first->hide();
}

// F1: the help paragraph with the genre being played between the quotes.
TEST_F(Launcher, F1ShowsTheHelpText)
{
    open();
    Form2* game = startGame(4);
    ASSERT_TRUE(game);
    size_t before = fp.dialogs.shown.size();
    QTest::keyClick(game, Qt::Key_F1);
    ASSERT_EQ(fp.dialogs.shown.size(), before + 1);
    const auto& shown = fp.dialogs.shown.back();
    EXPECT_EQ(shown.kind, "message");
    EXPECT_EQ(shown.title, "Help Parolix");
    // The paragraph of the mouse, then the one of the keys and a screen reader.
    EXPECT_EQ(shown.text.substr(0, shown.text.find("\r\n\r\nSi gioca anche senza mouse: ")),
              "Il gioco consiste nel portare le lettere mischiate (presenti a sinistra dello schermo) nella "
              "parte destra trascinandole con il mouse dove sono posizionate le caselle relative alle parole da "
              "formare, in questo caso il genere scelto \xE8 'Citta' Italia' quindi le parole dovranno "
              "appartenere solamente a questa categoria. Il gioco termina non appena si commette un errore nel "
              "posizionare una lettera sbagliata a destra.");
    EXPECT_NE(shown.text.find("F7 i punti e il tempo, F8 le lettere rimaste nella vasca"), std::string::npos);
    EXPECT_TRUE(game->isVisible());
}

// Ctrl+F4 ends the program at once: no records written, no message.
TEST_F(Launcher, CtrlF4EndsWithoutRecords)
{
    const std::string table = "LUIGI          300Fiori\r\n";
    fp.files.content["LexOrda.Sco"] = table;
    open();
    Form2* game = startGame(2);
    ASSERT_TRUE(game);
    s.Score = 5000; // would enter the table if the game ended normally
    size_t before = fp.dialogs.shown.size();
    QTest::keyClick(game, Qt::Key_F4, Qt::ControlModifier);
    EXPECT_EQ(fp.programEnded, 1);
    EXPECT_EQ(fp.files.text("LexOrda.Sco"), table);
    EXPECT_EQ(fp.dialogs.shown.size(), before);
}

// F2 ends the game the usual way: the records are updated and the launcher
// is in front again.
TEST_F(Launcher, F2EndsTheGame)
{
    open();
    Form2* game = startGame(3);
    ASSERT_TRUE(game);
    s.Score = 250;
    QTest::keyClick(game, Qt::Key_F2);
    waitGameGone();
    EXPECT_NE(fp.files.text("LexOrda.Sco").find("250"), std::string::npos);
    EXPECT_EQ(fp.programEnded, 0);
    EXPECT_EQ(s.Score, 0);
}

// The documentation, mail and site entries go to the desktop; F3 asks the
// name for the caption and the settings file.
TEST_F(Launcher, LinksAndNameFromTheMenu)
{
    open();
    Form2* game = startGame(0);
    ASSERT_TRUE(game);
    QTest::keyClick(game, Qt::Key_F1, Qt::ControlModifier);
    game->findChild<QAction*>("MenuMail")->trigger();
    game->findChild<QAction*>("MenuTHP")->trigger();
    ASSERT_EQ(fp.shell.opened.size(), 3u);
    EXPECT_EQ(fp.shell.opened[0], "LEXORDA.htm");
    EXPECT_EQ(fp.shell.opened[1], std::string("mailto:") + MailAddress);
    EXPECT_EQ(fp.shell.opened[2], WebSiteAddress);

    fp.shell.succeed = false;
    size_t before = fp.dialogs.shown.size();
    game->findChild<QAction*>("MenuMail")->trigger();
    ASSERT_EQ(fp.dialogs.shown.size(), before + 1);
    EXPECT_EQ(fp.dialogs.shown.back().text,
              "Impossibile aprire il programma di posta per scrivere a " PAROLIX_CONTACT ".");
    EXPECT_TRUE(game->isVisible());

    fp.dialogs.answers = {"Gino"};
    QTest::keyClick(game, Qt::Key_F3);
    EXPECT_EQ(s.PlayerName, "Gino");
    EXPECT_EQ(game->windowTitle(), "Parolix (Gino) ");
    EXPECT_EQ(fp.files.text("LexOrda.ini"), "Nome=Gino\r\n");
    const ScriptedDialogs::Shown& name = fp.dialogs.shown.back();
    EXPECT_EQ(name.kind, "input");
    EXPECT_EQ(name.text, "Inserisci nome giocatore (Massimo 10 caratteri) : ");
    EXPECT_EQ(name.title, "LexOrda");

    fp.dialogs.answers = {"61", "30"};
    QTest::keyClick(game, Qt::Key_F4);
    EXPECT_EQ(s.HelpPercentStart, 30);
    const long long shown = static_cast<long long>(fp.dialogs.shown.size());
    for (long long i = shown - 2; i < shown; ++i) {
        EXPECT_EQ(within(fp.dialogs.shown, i, "message").text,
                  "Inserisci la percentuale lettere di Aiuto : 1=Nessuno, (Max 60)");
        EXPECT_EQ(fp.dialogs.shown[static_cast<size_t>(i)].title, "Parolix");
    }
}
