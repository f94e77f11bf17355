// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Everything the game window and its menu say, in one place (code page 1252,
// trailing blanks included).

#include "game/Board.h"
#include "platform/Result.h"
#include "session/Session.h"

#include <string>
#include <vector>

namespace form2text {

// Captions.
inline constexpr const char* CaptionStart = "Parolix   (";   // as the window opens
inline constexpr const char* NameCaptionStart = "Parolix ("; // after the name command
inline constexpr const char* CaptionEnd = ") ";

// The menu bar.
inline constexpr const char* File = "&Opzioni";
inline constexpr const char* Records = "Tabella Records";
inline constexpr const char* Indietro = "Scelta altro &Genere ";
inline constexpr const char* Nome = "&Nome Giocatore";
inline constexpr const char* Difficolt = "&Percentuale di aiuto  ";
inline constexpr const char* FineGioco = "&Fine";
inline constexpr const char* Help = "&Help";
inline constexpr const char* Aiuto = "&Aiuto";
inline constexpr const char* Menudo = "&Documentazione";
inline constexpr const char* MenuMail = "&Scrivi Mail all'autore ...";
inline constexpr const char* MenuTHP = "&Visita Trevo Home Page ...";
inline constexpr const char* About = "A&bout";
inline constexpr const char* HelpTitle = "Help Parolix";
inline constexpr const char* MenuBarName = "Menu"; // for screen readers

// Input boxes of the name and help-percentage commands.
inline constexpr const char* NamePrompt = "Inserisci nome giocatore (Massimo 10 caratteri) : ";
inline constexpr const char* NameTitle = "LexOrda";
inline constexpr const char* HelpPrompt = "Inserisci la percentuale lettere di Aiuto : 1=Nessuno, (Max 60)";
inline constexpr const char* HelpPercentTitle = "Parolix";

// Messages.
inline constexpr const char* Congratulations = "Complimenti vivissimi, hai indovinato !!!";
inline constexpr const char* CongratulationsTitle = "Parolix";
inline constexpr const char* GameOverTitle = "Lexorda";
inline constexpr const char* GameOver = "Fine partita";
inline constexpr const char* WrongLetter1 = "Mi dispiace, hai commesso un errore.";
inline constexpr const char* WrongLetter2 = "Questa partita verr\xe0 terminata.";
inline constexpr const char* WrongLetter3 = "Per tua conoscenza in quella posizione occorreva piazzare la lettera '";
inline constexpr const char* WrongLetter4 = "' in quanto la parola da indovinare in quella riga era ";
inline constexpr const char* LineBreak = "\r\n";
inline constexpr const char* ErrorTitle = "Parolix";

// "Fine partita", or after a wrong letter the three lines naming the letter
// that belonged there and the word of its row.
std::string endMessage(const Session& s);

// The records list as a screen reader says it, one reading for each of its
// lines: "Titolo: Tabella Records. MARTA 120 Animali. ANONIMO 44 Animali.
// 8 voci vuote"; the blanks of the columns closed up, entries still empty
// (no name, no score) counted at the end.
std::string recordsSpoken(const std::vector<std::string>& lines);
// What a reader says after the end message, before the window goes:
// "Partita finita. Punti: 44. " and the records (after "Fine partita" the
// score and the records).
std::string gameOverSpoken(const Session& s, const std::vector<std::string>& lines);

// The word list could not be read for the next round.
std::string noWordListMessage(Error error);

// The records could not be saved after a game, and why.
std::string recordsSaveFailedMessage(Error error = Error::Unwritable);

// A logout called off after it had ended the game: the launcher says so.
inline constexpr const char* RecordedAtSessionEnd =
    "La chiusura della sessione \xE8 stata annullata. La partita in corso \xE8 stata registrata nella "
    "tabella dei record quando la sessione ha cominciato a chiudersi.";
// A journal of a game that ended unseen that is not trusted, kept as `aside`,
// or one that cannot even be read, left where it is.
std::string journalSetAsideMessage(const std::string& aside);
std::string journalUnreadableMessage(const std::string& name);

// How to play, for the genre in play, in one paragraph.
std::string helpMessage(const Session& s);

// What a screen reader says of the board, in the documentation's words.
inline constexpr const char* BoardName = "Tavola";
inline constexpr const char* PoolName = "Vasca";
inline constexpr const char* WordsName = "Parole";
inline constexpr const char* Empty = "vuota";  // a box without its letter
inline constexpr const char* Used = "usata";   // a pool slot whose letter has gone
inline constexpr const char* Blank = "niente"; // a pool slot that never held a letter
// The board's help text: its keys.
inline constexpr const char* BoardHelp =
    "Una lettera la prende dalla vasca; frecce e Tab scelgono la casella; Invio o Spazio la posano, Esc la "
    "rimette nella vasca. F5 legge tutta la tavola, F7 i punti e il tempo, F8 le lettere della vasca.";

// A character of a word as a reader says it: a letter as itself, a blank,
// an apostrophe, a hyphen, a full stop... by its Italian name ("apostrofo");
// 0 is an empty box.
std::string charName(char c);
// A character alone, named as a letter: "la E", "l'apostrofo", "il trattino".
std::string charAlone(char c);
// Whole seconds read as words: "1 minuto e 12 secondi", "0 secondi".
std::string durationSpoken(double seconds);
// The about box's version read as a word: "Vers. 3.00" is "Versione 3.00".
std::string versionSpoken(const std::string& shown);

// The board's state, heard as the focus comes back to it: where the cursor
// box is and what is in hand, "la G in mano, prima parola, casella 3", or
// "Nessuna lettera in mano, 4 lettere da sistemare".
std::string boardStatus(const Session& s, char carried = 0, Cell cursor = {});
// F7: "Punti: 1200. Tempo: 1 minuto e 12 secondi".
std::string scoreAndTime(int32_t score, double seconds);
// F8, the letters still in the pool: "Vasca: L, O, C".
std::string poolTold(const std::string& pool);
// Heard with the congratulations: "Bonus di tempo: 85. Punti: 1200."
std::string roundCompleteSpoken(int32_t bonus, int32_t score);
// A word's row: "Prima parola, 5 lettere".
std::string wordRowName(int row, size_t letters);
// Where a box lies: "Prima parola, casella 3".
std::string boxPlace(int row, int column);

// What a screen reader is told as the game goes; spoken only. A letter 0 is
// an empty box.
// The board as dealt: "Animali. 2 parole. Prima parola, 5 lettere: vuota, A,
// 2 vuote, E. Seconda parola, ... Vasca: B, C, A. Punti: 0." `boxes` holds
// each row's letters (0 an empty box, a blank the blank of a word), `pool`
// the letters left in the pool.
std::string boardTold(const std::string& genre, const std::vector<std::string>& boxes, const std::string& pool,
                      int32_t score);
// A letter taken, and the box the cursor is on: "la A, prima parola, casella 2".
std::string letterTaken(char letter, Cell box);
// Another letter taken in place of the one carried.
std::string letterReplaced(char letter, char carried, Cell box);
// The cursor box moved to an empty box: "prima parola, casella 3, vuota".
std::string boxReached(Cell box);
// A right letter placed: "la A, giusta. 4 lettere da sistemare".
std::string letterPlaced(char letter, const Session& s);
// The carried letter went back to its slot.
std::string letterPutBack(char letter);
// A typed letter that no pool slot holds; 0 for a character outside the
// game's code page.
std::string notInPool(char letter);
inline constexpr const char* EmptyHand = "Nessuna lettera in mano";

} // namespace form2text
