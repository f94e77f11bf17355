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

std::string recordsSpoken(const std::vector<std::string>& lines)
{
    std::string out = "Tabella Records.";
    for (size_t i = 1; i < lines.size(); ++i) {
        std::string line;
        for (char c : lines[i])
            if (c != ' ' || (!line.empty() && line.back() != ' ')) line += c;
        while (!line.empty() && line.back() == ' ') line.pop_back();
        if (line.empty() || line == "0") continue;
        out += (out.back() == '.' ? " " : ". ") + line;
    }
    return out;
}

std::string gameOverSpoken(const Session& s, const std::vector<std::string>& lines)
{
    // "Fine partita" says the first half already.
    return joined({s.lost() ? "Partita finita. " : "", play::scoreCaption(s.Score), ". ", recordsSpoken(lines)});
}

std::string noWordListMessage(Error error)
{
    return joined({"Impossibile leggere l'elenco delle parole \"", WordListFile, "\": ", errorReason(error), "."});
}

std::string recordsSaveFailedMessage(Error error)
{
    return saveFailedMessage("la tabella dei record", RecordsFile, error, "I record precedenti restano invariati.");
}

std::string journalSetAsideMessage(const std::string& aside)
{
    return "Una partita interrotta non si \xE8 potuta leggere, e il suo punteggio non \xE8 stato registrato. "
           "Il suo file \xE8 stato messo da parte, accanto alla tabella dei record, come \"" +
           aside + "\".";
}

std::string journalUnreadableMessage(const std::string& name)
{
    return "Una partita interrotta non si \xE8 potuta leggere n\xE9 mettere da parte: il suo file \"" + name +
           "\" resta accanto alla tabella dei record.";
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

std::string lettersLeft(const Session& s)
{
    size_t left = 0;
    for (char c : s.PoolRemaining) left += c != ' ';
    return letters(left) + " da sistemare";
}

std::string letterText(char c)
{
    return c ? std::string(1, c) : std::string(Empty);
}

// "prima parola, casella 2": a place inside a sentence.
std::string place(Cell box)
{
    std::string p = boxPlace(box.row, box.column);
    p[0] = static_cast<char>(p[0] - 'A' + 'a');
    return p;
}

} // namespace

std::string boardStatus(const Session& s)
{
    return joined({play::scoreCaption(s.Score), ", ", lettersLeft(s)});
}

std::string boardTold(const std::string& genre, const std::vector<std::string>& boxes, const std::string& pool,
                      int32_t score)
{
    const size_t n = boxes.size();
    std::string told = joined({genre, ". ", std::to_string(n), n == 1 ? " parola." : " parole."});
    for (size_t row = 0; row < n; ++row) {
        told += " " + wordRowName(static_cast<int>(row) + 1, boxes[row].size()) + ":";
        for (size_t i = 0; i < boxes[row].size(); ++i) told += (i ? ", " : " ") + letterText(boxes[row][i]);
        told += ".";
    }
    told += " Vasca:";
    const char* gap = " ";
    for (char c : pool) {
        if (!c) continue;
        told += gap + letterText(c);
        gap = ", ";
    }
    return joined({told, ". ", play::scoreCaption(score), "."});
}

std::string letterTaken(char letter, Cell box)
{
    return box.row ? joined({letterText(letter), ", ", place(box)}) : letterText(letter);
}

std::string letterReplaced(char letter, char carried, Cell box)
{
    return joined({letterText(letter), " al posto di ", letterTaken(carried, box)});
}

std::string boxReached(Cell box)
{
    return joined({place(box), ", ", Empty});
}

std::string letterPlaced(char letter, const Session& s)
{
    return joined({letterText(letter), ", giusta. ", lettersLeft(s)});
}

std::string letterPutBack(char letter)
{
    return letterText(letter) + " di nuovo nella vasca";
}

std::string notInPool(char letter)
{
    return joined({letter ? std::string(1, letter) : std::string("Questo carattere"), " non \xe8 nella vasca"});
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
