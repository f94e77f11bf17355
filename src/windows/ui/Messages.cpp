// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/Messages.h"

#include "session/Cp1252.h"

std::string documentationMissingMessage()
{
    return joined({"La documentazione (", DocumentationFile, ") non si trova nella cartella del gioco."});
}

std::string documentationFailedMessage()
{
    return joined({"Impossibile aprire la documentazione (", DocumentationFile,
                   "): nessun programma associato alle pagine HTML."});
}

std::string webSiteFailedMessage()
{
    return joined({"Impossibile aprire il sito dell'autore (", WebSiteAddress, "): nessun browser disponibile."});
}

std::string mailFailedMessage()
{
    return joined({"Impossibile aprire il programma di posta per scrivere a ", MailAddress, "."});
}

std::string saveFailureReason(Error error)
{
    switch (error) {
    case Error::DiskFull: return "il disco \xE8 pieno";
    case Error::FileTooLarge: return "il file \xE8 danneggiato (troppo grande)";
    case Error::ForeignLink: return "il file \xE8 un collegamento simbolico di un altro utente";
    default: return "il file o la cartella non sono accessibili (sola lettura o in uso)";
    }
}

std::string settingsSaveFailedMessage(Error error)
{
    return joined({"Impossibile salvare il nome del giocatore (LexOrda.ini): ", saveFailureReason(error),
                   ". Il nome vale solo fino alla chiusura del gioco."});
}

std::string settingsReadFailedMessage(Error error)
{
    if (error != Error::FileTooLarge && error != Error::ForeignLink) return {};
    return joined({"Impossibile leggere il nome del giocatore (LexOrda.ini): ", saveFailureReason(error), "."});
}
