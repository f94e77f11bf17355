// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "gamewindow/Form2Text.h"

#include "game/Deal.h"
#include "game/Play.h"
#include "records/RecordsTable.h"
#include "session/Cp1252.h"
#include "ui/Messages.h"

#include <iterator>

namespace form2text {

std::string endMessage(const Session& s)
{
    if (!s.lost()) return GameOver;
    const size_t row =
        s.TargetRow >= 0 && s.TargetRow < static_cast<int>(s.Words.size()) ? static_cast<size_t>(s.TargetRow) : 0;
    const char letter = s.lostLetter();
    return joined({WrongLetter1, LineBreak, WrongLetter2, LineBreak, WrongLetter3, std::string_view(&letter, 1),
                   WrongLetter4, s.Words[row]});
}

std::string noWordListMessage(Error error)
{
    return joined({"Impossibile leggere l'elenco delle parole \"", WordListFile, "\": ", errorReason(error), "."});
}

std::string recordsSaveFailedMessage(Error error)
{
    return saveFailedMessage("la tabella dei record", RecordsFile, error, "I record precedenti restano invariati.");
}

std::string helpMessage(const Session& s)
{
    return joined(
        {"Il gioco consiste nel portare le lettere mischiate "
         "(presenti a sinistra dello schermo) nella parte destra trascinandole con il mouse "
         "dove sono posizionate le caselle relative alle parole "
         "da formare, in questo caso il genere scelto \xE8 '",
         s.GenreNames[s.genreSlot()],
         "' quindi le parole dovranno appartenere solamente a questa categoria."
         " Il gioco termina non appena si commette un errore nel posizionare una lettera sbagliata a destra."});
}

namespace {

// "Prima", "Seconda" ... as far as a board goes; "Parola 12" beyond.
std::string wordOrdinal(int row)
{
    static constexpr const char* Ordinals[] = {"Prima", "Seconda", "Terza",  "Quarta", "Quinta",
                                               "Sesta", "Settima", "Ottava", "Nona",   "Decima"};
    if (row >= 1 && row <= static_cast<int>(std::size(Ordinals))) return joined({Ordinals[row - 1], " parola"});
    return "Parola " + std::to_string(row);
}

std::string letters(size_t n)
{
    return std::to_string(n) + (n == 1 ? " lettera" : " lettere");
}

} // namespace

std::string boardStatus(const Session& s)
{
    size_t left = 0;
    for (char c : s.PoolRemaining) left += c != ' ';
    return joined({play::scoreCaption(s.Score), ", ", letters(left), " da sistemare"});
}

std::string wordRowName(int row, size_t length)
{
    return joined({wordOrdinal(row), ", ", letters(length)});
}

std::string boxPlace(int row, int column)
{
    return joined({wordOrdinal(row), ", casella ", std::to_string(column)});
}

} // namespace form2text
