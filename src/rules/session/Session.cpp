// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "session/Session.h"

void fillGenreTables(Session& s)
{
    static const char* const names[8] = {"Animali",       "Frutti", "Fiori",    "Marche Auto",
                                         "Citta' Italia", "Musica", "Computer", "In Cucina"};
    for (int t = 0; t < 8; ++t) {
        s.GenreNames[t] = names[t];
        s.GenreImageFiles[t] = genrePictureFile(t);
    }
}

std::string genrePictureFile(int t)
{
    std::string name = "0";
    name += std::to_string(t);
    name += ".wmf";
    return name;
}
