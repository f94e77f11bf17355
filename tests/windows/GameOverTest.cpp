// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The end of a game: records, the end message, the window going away.
#include "GameWindowFixture.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>

#include "gamewindow/Form2Text.h"
#include "records/PlayerSettings.h"
#include "ui/Look.h"
#include "ui/Messages.h"

class GameOver : public GameWindow {
protected:
    // What the window showed while the end message was open.
    struct Behind {
        bool alive = false, listVisible = false;
        int listLeft = -1;
        QStringList items;
    } behind;
    void watchEndMessage()
    {
        fp.dialogs.onShow = [this](const ScriptedDialogs::Shown& m) {
            if (m.title != "Lexorda") return;
            behind.alive = !form.isNull() && form->isVisible();
            if (!behind.alive) return;
            behind.listVisible = form->List->isVisible();
            behind.listLeft = form->List->x();
            for (int i = 0; i < form->List->count(); ++i) behind.items << form->List->item(i)->text();
        };
    }
};

TEST_F(GameOver, AWrongLetterShowsTheRecordsThenNamesTheLetterAndTheWord)
{
    scriptCatAndDog();
    open();
    watchEndMessage();
    carry(1, 1, 1); // G, right
    QColor barDuringMessage;
    const Point b = board::boxPoint(s, 1, 5, form->ScaleWidth());
    auto previous = fp.dialogs.onShow;
    fp.dialogs.onShow = [&](const ScriptedDialogs::Shown& m) {
        previous(m);
        if (form) barDuringMessage = pixel(b.x, b.y - 18);
    };
    carry(8, 1, 5); // N where O belongs
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].title, "Lexorda");
    EXPECT_EQ(fp.dialogs.shown[0].text,
              "Mi dispiace, hai commesso un errore.\r\n"
              "Questa partita verr\xe0 terminata.\r\n"
              "Per tua conoscenza in quella posizione occorreva piazzare la lettera 'O' in quanto "
              "la parola da indovinare in quella riga era GATTO");
    EXPECT_EQ(s.BoardState, 'O');
    EXPECT_EQ(s.BoxRows[1], "GA TN"); // the wrong letter was placed first
    EXPECT_EQ(barDuringMessage, PlacedBar);
    // The records were on show behind the message, at the left edge.
    EXPECT_TRUE(behind.alive);
    EXPECT_TRUE(behind.listVisible);
    EXPECT_EQ(behind.listLeft, 0);
    ASSERT_GE(behind.items.size(), 2);
    EXPECT_EQ(behind.items[0], QString("TABELLA RECORDS"));
    const std::string entry = formatRecordLine("TESTER", pointsFor(1), "Animali");
    EXPECT_EQ(behind.items[1], QString::fromStdString(entry));
    EXPECT_EQ(fp.files.text("LexOrda.Sco").substr(0, entry.size() + 2), entry + "\r\n");
    // The window is gone, and the release that ended the game survived it.
    EXPECT_EQ(unloadedSignals, 1);
    settle();
    EXPECT_TRUE(form.isNull());
}

TEST_F(GameOver, TheExpectedLetterKeepsItsCaseAndAccent)
{
    fp.files.content["lexorda.DAT"] = wordList({{"Citta' Italia", {"CITT\xc0"}}});
    s.GenreIndex = 4;
    s.HelpPercent = 2;
    fp.random.draws = {0.0};
    open();
    ASSERT_EQ(s.PoolLetters, "CITT\xc0");
    carry(1, 1, 5); // C where the accented A belongs
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    const std::string& text = fp.dialogs.shown[0].text;
    EXPECT_NE(text.find("la lettera '\xc0' in quanto"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 9), "era CITT\xc0");
    settle();
    EXPECT_TRUE(form.isNull());
}

TEST_F(GameOver, ClosingTheWindowShowsTheRecordsAndFinePartita)
{
    scriptCatAndDog();
    open();
    watchEndMessage();
    carry(1, 1, 1);
    // The title bar's close button, as the system delivers it.
    QCloseEvent close;
    QApplication::sendEvent(form->windowHandle(), &close);
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text, "Fine partita");
    EXPECT_EQ(fp.dialogs.shown[0].title, "Lexorda");
    EXPECT_TRUE(behind.listVisible);
    EXPECT_EQ(behind.listLeft, 0);
    EXPECT_EQ(unloadedSignals, 1);
    const std::string entry = formatRecordLine("TESTER", pointsFor(1), "Animali") + "\r\n";
    EXPECT_EQ(fp.files.text("LexOrda.Sco").substr(0, entry.size()), entry);
    if (form) form->close(); // a second close does nothing more
    settle();
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(unloadedSignals, 1);
}

TEST_F(GameOver, LeavingRightAfterACompletedRoundIsAnOrdinaryEnd)
{
    openWithTheWord("RE");
    carry(1, 1, 1);
    carry(2, 1, 2);
    ASSERT_EQ(fp.dialogs.shown.size(), 1u); // the congratulation
    EXPECT_EQ(s.BoardState, 0);
    form->Indietro_Click();
    ASSERT_EQ(fp.dialogs.shown.size(), 2u);
    EXPECT_EQ(fp.dialogs.shown[1].text, "Fine partita");
    settle();
    EXPECT_TRUE(form.isNull());
}

TEST_F(GameOver, ARecordsFileThatCannotBeSavedIsReportedAndTheGameStillEnds)
{
    scriptCatAndDog();
    open();
    fp.files.content["LexOrda.Sco"] = "OLD        50      Frutti\r\n";
    fp.files.failWrites = true;
    form->Indietro_Click();
    ASSERT_EQ(fp.dialogs.shown.size(), 2u);
    EXPECT_EQ(fp.dialogs.shown[0].text,
              "Impossibile salvare la tabella dei record (LexOrda.Sco): il file o la cartella non sono accessibili "
              "(sola lettura o in uso). I record precedenti restano invariati.");
    EXPECT_EQ(fp.dialogs.shown[1].text, "Fine partita");
    EXPECT_EQ(fp.files.text("LexOrda.Sco"), "OLD        50      Frutti\r\n");
    settle();
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(unloadedSignals, 1);
}

// The session ends with a game open: the score is saved and the window goes,
// with no message for a player who may have left; a save that fails says
// why on the log, and a second end does nothing more.
TEST_F(GameOver, TheSessionsEndSavesTheScoreWithoutAMessage)
{
    for (bool failing : {false, true}) {
        SCOPED_TRACE(failing ? "the save fails" : "the save works");
        scriptCatAndDog();
        unloadedSignals = 0;
        s.Score = 0; // as the launcher leaves it for a new game
        open();
        carry(1, 1, 1);
        ASSERT_EQ(s.Score, pointsFor(1));
        fp.files.content["LexOrda.Sco"] = "OLD        5       Frutti\r\n";
        fp.files.failWrites = failing;
        testing::internal::CaptureStderr();
        form->endUnattended();
        form->endUnattended();
        const std::string log = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(fp.dialogs.shown.empty());
        EXPECT_EQ(unloadedSignals, 1);
        const std::string entry =
            failing ? "OLD        5       Frutti\r\n" : formatRecordLine("TESTER", pointsFor(1), "Animali") + "\r\n";
        EXPECT_EQ(fp.files.text("LexOrda.Sco").substr(0, entry.size()), entry);
        EXPECT_EQ(log.find("Impossibile salvare la tabella dei record") != std::string::npos, failing) << log;
        settle();
        EXPECT_TRUE(form.isNull());
        fp.files.failWrites = false;
    }
}

// A full disk is told as such, not as a file in use.
TEST_F(GameOver, AFullDiskIsToldAsSuch)
{
    scriptCatAndDog();
    open();
    fp.files.content["LexOrda.Sco"] = "OLD        50      Frutti\r\n";
    fp.files.failWrites = true;
    fp.files.writeFailure = Error::DiskFull;
    form->Indietro_Click();
    ASSERT_EQ(fp.dialogs.shown.size(), 2u);
    EXPECT_EQ(fp.dialogs.shown[0].text, "Impossibile salvare la tabella dei record (LexOrda.Sco): il disco \xE8 "
                                        "pieno. I record precedenti restano invariati.");
    EXPECT_EQ(fp.files.text("LexOrda.Sco"), "OLD        50      Frutti\r\n");
    settle();
}

TEST_F(GameOver, TheRecordsListAtTheEndOfAGame)
{
    scriptCatAndDog();
    fp.files.content["LexOrda.Sco"] =
        "MARIO      250     Frutti\r\nLUCIA      120     Fiori\r\nANONIMO    5       Animali\r\n";
    open();
    carry(1, 1, 1);
    carry(3, 1, 3);
    QImage shot;
    // The title and every record stand whole in the list, rows as high as
    // the font's line.
    int wholeRows = 0, rowHeight = 0;
    fp.dialogs.onShow = [&](const ScriptedDialogs::Shown&) {
        shot = form->grab().toImage();
        for (int i = 0; i < form->List->count(); ++i)
            wholeRows += form->List->viewport()->rect().contains(form->List->visualItemRect(form->List->item(i)));
        rowHeight = form->List->visualItemRect(form->List->item(1)).height();
    };
    form->Indietro_Click();
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(wholeRows, 1 + RecordsKept);
    EXPECT_EQ(rowHeight, QFontMetrics(gameFont("Courier New", 12, true)).height());
    shot.save(QString(PAROLIX_SNAPSHOT_DIR) + "/game-over-records.png");
    settle();
}

TEST_F(GameWindow, TheNameCommandSetsTheCaptionAndTheSettingsFile)
{
    scriptCatAndDog();
    open();
    fp.dialogs.answers = {"abc"};
    form->Nome_Click();
    EXPECT_EQ(s.PlayerName, "abc");
    EXPECT_EQ(form->windowTitle(), QString("Parolix (abc) "));
    EXPECT_EQ(fp.files.text("LexOrda.ini"), "Nome=abc\r\n");
    // A name that cannot be saved is still used, and the player is told.
    fp.files.failWrites = true;
    fp.dialogs.answers = {"zoe"};
    form->Nome_Click();
    EXPECT_EQ(s.PlayerName, "zoe");
    EXPECT_EQ(fp.dialogs.shown.back().text,
              "Impossibile salvare il nome del giocatore (LexOrda.ini): il file o la cartella non sono accessibili "
              "(sola lettura o in uso). Il nome vale solo fino alla chiusura del gioco.");
    EXPECT_EQ(fp.files.text("LexOrda.ini"), "Nome=abc\r\n");
}

TEST_F(GameWindow, TheRecordsCommandShowsTheTableInPlace)
{
    scriptCatAndDog();
    fp.files.content["LexOrda.Sco"] = "MARIO      250     Frutti\r\n";
    open();
    form->ShowRecords();
    EXPECT_TRUE(form->List->isVisible());
    EXPECT_EQ(form->List->geometry(), QRect(88, 96, 335, RecordsListHeight));
    ASSERT_EQ(form->List->count(), 2);
    EXPECT_EQ(form->List->item(1)->text(), QString("MARIO      250     Frutti"));
    saveSnapshot(form, "game-records-command");
}

TEST_F(GameOver, AWordListGoneBeforeTheNextRoundClosesTheWindowCleanly)
{
    openWithTheWord("RE");
    carry(1, 1, 1);
    fp.files.content.clear(); // the file goes away during the round
    bool listShown = false;
    fp.dialogs.onShow = [&](const ScriptedDialogs::Shown&) { listShown = form && form->List->isVisible(); };
    carry(2, 1, 2); // completes the board: the next deal cannot read it
    ASSERT_EQ(fp.dialogs.shown.size(), 2u);
    EXPECT_EQ(fp.dialogs.shown[0].text, "Complimenti vivissimi, hai indovinato !!!");
    EXPECT_EQ(fp.dialogs.shown[1].text, "Impossibile leggere l'elenco delle parole \"lexorda.DAT\": file non trovato.");
    // The round played counts: its score is in the records, shown behind
    // the message.
    EXPECT_TRUE(listShown);
    EXPECT_GT(s.Score, 0);
    EXPECT_EQ(fp.files.text("LexOrda.Sco").substr(0, 20), formatRecordLine("TESTER", s.Score, "Animali").substr(0, 20));
    EXPECT_EQ(unloadedSignals, 1);
    settle();
    EXPECT_TRUE(form.isNull());
}
