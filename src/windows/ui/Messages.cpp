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

std::string settingsSaveFailedMessage()
{
    return "Impossibile salvare il nome del giocatore (LexOrda.ini): il file o la cartella "
           "non sono accessibili (sola lettura o in uso). Il nome vale solo fino alla chiusura del gioco.";
}
