#pragma once
// The game window's menu bar: "&Opzioni" and "&Help".

#include "platform/Platform.h"
#include "session/Session.h"

#include <string>

class Form2;

// Captions as the game has always shown them (code page 1252), trailing
// blanks included.
namespace GameMenuText {
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
} // namespace GameMenuText

// The help message for the genre being played, in one paragraph.
std::string helpMessage(const Session& session);

// Builds the menu bar on a fresh game window and wires every entry and
// shortcut to its command.
void installGameMenu(Form2& form, Session& session, Platform& platform);
