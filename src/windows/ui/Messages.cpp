// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/Messages.h"

#include "records/PlayerSettings.h"
#include "session/Cp1252.h"

std::string joined(std::initializer_list<std::string_view> parts)
{
    size_t size = 0;
    for (std::string_view p : parts) size += p.size();
    std::string out;
    out.reserve(size);
    for (std::string_view p : parts) out += p;
    return out;
}

const char* errorReason(Error error)
{
    switch (error) {
    case Error::NotFound: return "file non trovato";
    case Error::Unreadable: return "file illeggibile";
    case Error::Unwritable:
    case Error::Busy: return "il file o la cartella non sono accessibili (sola lettura o in uso)";
    case Error::DiskFull: return "il disco \xE8 pieno";
    case Error::ForeignLink: return "il file \xE8 un collegamento simbolico di un altro utente";
    case Error::NotAFile: return "non \xE8 un file ordinario (\xE8 una pipe o un dispositivo)";
    case Error::NotAFolder: return "nel percorso della cartella c'\xE8 un file al posto di una cartella";
    case Error::FileTooLarge: return "file troppo grande";
    case Error::TooShort: return "file vuoto o troppo corto";
    case Error::NotAMetafile: return "non \xE8 un metafile di Windows";
    case Error::BadHeader: return "intestazione del metafile non valida";
    case Error::BadSize: return "dimensioni dell'immagine non valide";
    case Error::ImageTooLarge: return "immagine troppo grande";
    case Error::Truncated: return "file troncato";
    case Error::Damaged: return "record danneggiato";
    case Error::TooComplex: return "disegno troppo complesso";
    case Error::NoMemory: return "memoria insufficiente per l'immagine";
    case Error::None: break; // no failure: nothing a message would say
    }
    return "file illeggibile";
}

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
    case Error::DiskFull:
    case Error::ForeignLink:
    case Error::NotAFolder: return errorReason(error);
    // Far larger than the game ever writes: not merely large, damaged.
    case Error::FileTooLarge: return "il file \xE8 danneggiato (troppo grande)";
    default: return errorReason(Error::Unwritable);
    }
}

std::string saveFailedMessage(std::string_view what, std::string_view file, Error error, std::string_view consequence)
{
    return joined({"Impossibile salvare ", what, " (", file, "): ", saveFailureReason(error), ". ", consequence});
}

std::string settingsSaveFailedMessage(Error error)
{
    return saveFailedMessage("il nome del giocatore", SettingsFile, error,
                             "Il nome vale solo fino alla chiusura del gioco.");
}

std::string settingsReadFailedMessage(Error error)
{
    if (error != Error::FileTooLarge && error != Error::ForeignLink) return {};
    return joined({"Impossibile leggere il nome del giocatore (", SettingsFile, "): ", saveFailureReason(error), "."});
}

void openDocumentation(Platform& platform)
{
    // The desktop would not tell us about a missing file, only about a
    // missing viewer, so look for it first. It gets the name as spelt on
    // disk: a file saved as "lexorda.htm" is not found as "LEXORDA.htm".
    const std::string path = platform.files.pathOf(DocumentationFile);
    if (path.empty()) {
        platform.dialogs.message(documentationMissingMessage(), LinkFailedTitle);
        return;
    }
    if (!platform.shell.openDocument(path)) platform.dialogs.message(documentationFailedMessage(), LinkFailedTitle);
}

void openWebSite(Platform& platform)
{
    if (!platform.shell.openUrl(WebSiteAddress)) platform.dialogs.message(webSiteFailedMessage(), LinkFailedTitle);
}

void writeMailToAuthor(Platform& platform)
{
    if (!platform.shell.openUrl(joined({"mailto:", MailAddress})))
        platform.dialogs.message(mailFailedMessage(), LinkFailedTitle);
}
