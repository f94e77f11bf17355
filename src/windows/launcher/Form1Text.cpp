// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "launcher/Form1Text.h"

namespace form1text {

namespace {

// Why a genre picture could not be shown.
const char* pictureErrorText(Error error)
{
    switch (error) {
    case Error::NotFound: return "file non trovato";
    case Error::Unreadable: return "file non leggibile";
    case Error::FileTooLarge: return "file troppo grande";
    case Error::TooShort: return "file vuoto o troppo corto";
    case Error::NotAMetafile: return "non e' un metafile di Windows";
    case Error::BadHeader: return "intestazione del metafile non valida";
    case Error::BadSize: return "dimensioni dell'immagine non valide";
    case Error::ImageTooLarge: return "immagine troppo grande";
    case Error::Truncated: return "file troncato";
    case Error::Damaged: return "record danneggiato";
    case Error::TooComplex: return "disegno troppo complesso";
    case Error::NoMemory: return "memoria insufficiente per l'immagine";
    case Error::None:
    case Error::Unwritable:
    case Error::Busy:
    case Error::DiskFull:
    case Error::ForeignLink: break; // not what reading a picture reports
    }
    return "file non leggibile";
}

} // namespace

std::string picturesFailedMessage(const std::vector<std::pair<std::string, Error>>& failed)
{
    std::string list;
    for (const auto& [file, error] : failed) {
        if (!list.empty()) list += ", ";
        list += file + " (" + pictureErrorText(error) + ")";
    }
    return "Alcune immagini dei generi non si possono caricare: " + list +
           ". I riquadri restano senza immagine, ma si pu\xf2 giocare lo stesso.";
}

} // namespace form1text
