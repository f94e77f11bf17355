#include "session/Session.h"

void fillGenreTables(Session& s)
{
    static const char* const names[8] = {"Animali",       "Frutti", "Fiori",    "Marche Auto",
                                         "Citta' Italia", "Musica", "Computer", "In Cucina"};
    for (int t = 0; t < 8; ++t) {
        s.GenreNames[t] = names[t];
        s.GenreImageFiles[t] = "0" + std::to_string(t) + ".wmf";
    }
}
