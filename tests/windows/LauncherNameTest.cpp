// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The player's name on the launcher: read at start-up, typed, saved when the
// box is left however it is left, and taken back from the game window.
#include "LauncherFixture.h"

#include "gamewindow/Form2Text.h"
#include "records/PlayerSettings.h"
#include "ui/Messages.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

// Without a settings file the name is ANONIMO; the box has the focus.
TEST_F(Launcher, NameWithoutSettingsFile)
{
    open();
    EXPECT_EQ(launcher->Text1->text(), "ANONIMO");
    EXPECT_EQ(s.PlayerName, "ANONIMO");
    EXPECT_EQ(QApplication::focusWidget(), launcher->Text1);
}

// The name key is skipped unseen, blanks go and the name is upper case.
TEST_F(Launcher, NameFromSettingsFile)
{
    fp.files.content["lexorda.ini"] = "Nome=  mario  \r\n";
    open();
    EXPECT_EQ(s.PlayerName, "MARIO");
    EXPECT_EQ(launcher->Text1->text(), "MARIO");
}

// A settings file whose first line does not end within a megabyte is
// damaged: the name is ANONIMO and the launcher says why, in its own words.
TEST_F(Launcher, ADamagedSettingsFileIsTold)
{
    fp.files.content["lexorda.ini"] = "Nome=MARIO" + std::string(OwnFileMax, ' ') + "\r\n";
    open();
    EXPECT_EQ(s.PlayerName, "ANONIMO");
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text,
              "Impossibile leggere il nome del giocatore (LexOrda.ini): il file \xE8 danneggiato (troppo grande).");
}

// Each new reason a save fails for, in its literal words.
TEST(SaveMessages, EachReasonInItsOwnWords)
{
    const std::pair<Error, std::string> cases[] = {
        {Error::DiskFull, "il disco \xE8 pieno"},
        {Error::FileTooLarge, "il file \xE8 danneggiato (troppo grande)"},
        {Error::ForeignLink, "il file \xE8 un collegamento simbolico di un altro utente"},
        {Error::NotAFolder, "nel percorso della cartella c'\xE8 un file al posto di una cartella"},
        {Error::Unwritable, "il file o la cartella non sono accessibili (sola lettura o in uso)"},
    };
    for (const auto& [error, reason] : cases)
        EXPECT_EQ(form2text::recordsSaveFailedMessage(error),
                  "Impossibile salvare la tabella dei record (LexOrda.Sco): " + reason +
                      ". I record precedenti restano invariati.");
    EXPECT_EQ(settingsSaveFailedMessage(Error::DiskFull),
              "Impossibile salvare il nome del giocatore (LexOrda.ini): "
              "il disco \xE8 pieno. Il nome vale solo fino alla chiusura del gioco.");
}

// Typing keeps the box as typed but the name in upper case; leaving the box
// writes the settings file; coming back shows the upper-case name. The box
// refuses a thirteenth character.
TEST_F(Launcher, TypingTheName)
{
    open();
    QLineEdit* box = launcher->Text1;
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, "mario");
    EXPECT_EQ(box->text(), "mario");
    EXPECT_EQ(s.PlayerName, "MARIO");
    EXPECT_FALSE(fp.files.exists("LexOrda.ini"));

    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), launcher->pittura[0]);
    EXPECT_EQ(fp.files.text("LexOrda.ini"), "Nome=MARIO\r\n");

    launcher->Form_Activate();
    EXPECT_EQ(box->text(), "MARIO");
    // A name the file already reads back as is not written again.
    fp.files.content["LexOrda.ini"] = "Nome=mario\r\n";
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(fp.files.text("LexOrda.ini"), "Nome=mario\r\n");
    launcher->Form_Activate();

    box->selectAll();
    QTest::keyClicks(box, "abcdefghijklmn");
    EXPECT_EQ(box->text(), "abcdefghijkl");
    EXPECT_EQ(s.PlayerName, "ABCDEFGHIJKL");

    // Accented letters stay in the game's code page, upper-cased.
    box->selectAll();
    QTest::keyClicks(box, "niccol");
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString::fromUtf8("ò"), Qt::NoModifier);
    EXPECT_EQ(s.PlayerName, "NICCOL\xD2");

    // Pasted control characters are blanks in the name.
    box->setText(QString::fromLatin1("lu\tigi\x1b"));
    EXPECT_EQ(s.PlayerName, "LU IGI ");
    box->setText(QString::fromUtf8("zoe\u0308")); // decomposed, as some input methods send it
    EXPECT_EQ(s.PlayerName, "ZO\xCB");
}

// An emptied box saves "Nome=" when a tile is clicked; the game starts with
// the empty name and back on the launcher it becomes Anonimo / ANONIMO.
TEST_F(Launcher, EmptyNameBecomesAnonimo)
{
    open();
    launcher->Text1->selectAll();
    QTest::keyClick(launcher->Text1, Qt::Key_Backspace);
    EXPECT_EQ(s.PlayerName, "");
    Form2* game = startGame(1);
    ASSERT_TRUE(game);
    EXPECT_EQ(fp.files.text("LexOrda.ini"), "Nome=\r\n");
    EXPECT_NE(game->windowTitle().indexOf("()"), -1);

    QTest::keyClick(game, Qt::Key_F2);
    waitGameGone();
    EXPECT_EQ(launcher->Text1->text(), "Anonimo");
    EXPECT_EQ(s.PlayerName, "ANONIMO");
}

// A settings file that cannot be written is told once, with the name kept for
// the run.
TEST_F(Launcher, NameThatCannotBeSaved)
{
    open();
    fp.files.failWrites = true;
    launcher->Text1->selectAll();
    QTest::keyClicks(launcher->Text1, "luigi");
    QTest::keyClick(launcher->Text1, Qt::Key_Tab);
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text,
              "Impossibile salvare il nome del giocatore (LexOrda.ini): il file o la cartella non sono accessibili "
              "(sola lettura o in uso). Il nome vale solo fino alla chiusura del gioco.");
    EXPECT_EQ(s.PlayerName, "LUIGI");
    launcher->Text1->setFocus();
    QTest::keyClick(launcher->Text1, Qt::Key_Tab);
    EXPECT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_TRUE(launcher->isVisible());
}

// A tile clicked from the box when the name cannot be saved: the real message
// box takes the mouse's release, yet the message comes first and then the
// game of that tile opens.
TEST_F(Launcher, AFailedNameSaveDoesNotSwallowTheTileClick)
{
    QtDialogs dialogs;
    Platform platform{fp.clock, fp.random, fp.files, dialogs, fp.pictures, fp.shell, fp.pointer, fp.sound, [] {}};
    launcher = std::make_unique<Form1>(s, platform, records);
    launcher->Form_Load();
    launcher->show();
    launcher->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(launcher.get()));
    fp.files.failWrites = true;
    launcher->Text1->selectAll();
    QTest::keyClicks(launcher->Text1, "luigi");

    bool boxShown = false, gameBehindTheBox = true;
    QTimer::singleShot(50, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        boxShown = box && box->text() == QString::fromLatin1(settingsSaveFailedMessage().c_str());
        gameBehindTheBox = launcher->gameWindow() != nullptr;
        // The player lets go of the mouse while the box is up.
        QTest::mouseRelease(launcher->pittura[2], Qt::LeftButton, {}, QPoint(40, 40));
        if (box) box->accept();
    });
    QTest::mousePress(launcher->pittura[2], Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_TRUE(boxShown);
    EXPECT_FALSE(gameBehindTheBox);
    EXPECT_TRUE(QTest::qWaitFor([&] { return launcher->gameWindow() != nullptr; }, 2000));
    EXPECT_EQ(s.GenreIndex, 2);
    // Gone before the platform it uses.
    delete launcher->gameWindow();
    launcher.reset();
}

// The name typed is kept however the program ends from the launcher: "&Fine"
// by its access key, or the title bar's close button.
TEST_F(Launcher, TheTypedNameIsKeptWhenTheProgramEnds)
{
    open();
    launcher->Text1->selectAll();
    QTest::keyClicks(launcher->Text1, "luigi");
    QTest::keyClick(launcher.get(), Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fp.programEnded == 1; }, 2000));
    EXPECT_EQ(fp.files.text("LexOrda.ini"), "Nome=LUIGI\r\n");

    launcher->Text1->setFocus();
    launcher->Text1->selectAll();
    QTest::keyClicks(launcher->Text1, "anna");
    QCloseEvent close;
    QApplication::sendEvent(launcher->windowHandle(), &close);
    EXPECT_EQ(fp.programEnded, 2);
    EXPECT_EQ(fp.files.text("LexOrda.ini"), "Nome=ANNA\r\n");
}

// A name given in the game comes back upper-cased on the launcher, also when
// the box already holds that very text, and the next game's records say so.
TEST_F(Launcher, TheNameFromTheGameComesBackInUpperCase)
{
    open();
    launcher->Text1->selectAll();
    QTest::keyClicks(launcher->Text1, "mario");
    Form2* game = startGame(0);
    ASSERT_TRUE(game);
    fp.dialogs.answers = {"mario"};
    QTest::keyClick(game, Qt::Key_F3);
    EXPECT_EQ(s.PlayerName, "mario");
    QTest::keyClick(game, Qt::Key_F2);
    waitGameGone();
    EXPECT_EQ(launcher->Text1->text(), "mario");
    EXPECT_EQ(s.PlayerName, "MARIO");

    game = startGame(0);
    ASSERT_TRUE(game);
    s.Score = 500;
    QTest::keyClick(game, Qt::Key_F2);
    waitGameGone();
    EXPECT_EQ(fp.files.text("LexOrda.Sco").substr(0, 28), "MARIO      500     Animali\r\n");
}
