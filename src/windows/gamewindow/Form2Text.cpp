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
    // One reading for every line of the list, as a screen reader counts them
    // ("Elenco con N voci"): the title line first, then each record, then the
    // entries with nothing in them, counted.
    std::string out = "Titolo: Tabella Records";
    int empty = 0;
    for (size_t i = 1; i < lines.size(); ++i) {
        std::string line;
        for (char c : lines[i])
            if (c != ' ' || (!line.empty() && line.back() != ' ')) line += c;
        while (!line.empty() && line.back() == ' ') line.pop_back();
        if (line.empty() || line == "0") ++empty;
        else out += ". " + line;
    }
    if (empty > 0) out += ". " + std::to_string(empty) + (empty == 1 ? " voce vuota" : " voci vuote");
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
         " Il gioco termina non appena si commette un errore nel posizionare una lettera sbagliata a destra.",
         LineBreak, LineBreak,
         "Si gioca anche senza mouse: il tasto di una lettera la prende dalla vasca, le frecce e Tab spostano "
         "la casella rossa tra le caselle vuote, Invio o Spazio vi posano la lettera, Esc la rimette nella vasca. "
         "F10 apre i menu. Con un lettore di schermo (come Orca) ogni tasto risponde in poche parole: la lettera "
         "presa e la casella, se era giusta e quante lettere restano; F5 legge tutta la tavola, F7 i punti e il "
         "tempo, F8 le lettere rimaste nella vasca; apostrofi, trattini e spazi sono detti per nome."});
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
    return charName(c);
}

// A character with its article, and with the article "di" takes.
struct Named {
    const char* the;
    const char* of;
    std::string name;
};

Named named(char c)
{
    static constexpr struct {
        char c;
        const char *the, *of;
    } Articles[] = {{' ', "lo ", "dello "},
                    {'\'', "l'", "dell'"},
                    {'\x92', "l'", "dell'"},
                    {',', "la ", "della "},
                    {'/', "la ", "della "}};
    const std::string name = charName(c);
    if (!c) return {"", "", name};
    for (const auto& a : Articles)
        if (a.c == c) return {a.the, a.of, name};
    const bool letter = name.size() == 1 && name[0] == c;
    return letter ? Named{"la ", "della ", name} : Named{"il ", "del ", name};
}

std::string counted(long long n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// "prima parola, casella 2": a place inside a sentence.
std::string place(Cell box)
{
    std::string p = boxPlace(box.row, box.column);
    p[0] = static_cast<char>(p[0] - 'A' + 'a');
    return p;
}

} // namespace

std::string charName(char c)
{
    static constexpr struct {
        char c;
        const char* name;
    } Names[] = {{' ', "spazio"},   {'\'', "apostrofo"},        {'\x92', "apostrofo"},
                 {'-', "trattino"}, {'\x96', "trattino"},       {'.', "punto"},
                 {',', "virgola"},  {'!', "punto esclamativo"}, {'?', "punto interrogativo"},
                 {'/', "barra"},    {'(', "parentesi aperta"},  {')', "parentesi chiusa"}};
    if (!c) return Empty;
    for (const auto& n : Names)
        if (n.c == c) return n.name;
    return std::string(1, c);
}

std::string charAlone(char c)
{
    const Named n = named(c);
    return n.the + n.name;
}

std::string durationSpoken(double seconds)
{
    const long long whole = seconds > 0 ? static_cast<long long>(seconds) : 0;
    const long long minutes = whole / 60, rest = whole % 60;
    if (minutes == 0) return counted(rest, "secondo", "secondi");
    const std::string m = counted(minutes, "minuto", "minuti");
    return rest ? m + " e " + counted(rest, "secondo", "secondi") : m;
}

std::string versionSpoken(const std::string& shown)
{
    const std::string vers = "Vers.";
    const size_t at = shown.find(vers);
    if (at == std::string::npos) return shown;
    return shown.substr(0, at) + "Versione" + shown.substr(at + vers.size());
}

std::string boardStatus(const Session& s, char carried, Cell cursor)
{
    if (!carried) return joined({EmptyHand, ", ", lettersLeft(s)});
    const std::string inHand = charAlone(carried) + " in mano";
    return cursor.row ? joined({inHand, ", ", place(cursor)}) : inHand;
}

std::string scoreAndTime(int32_t score, double seconds)
{
    return joined({play::scoreCaption(score), ". Tempo: ", durationSpoken(seconds)});
}

std::string poolTold(const std::string& pool)
{
    std::string told = PoolName;
    told += ":";
    const char* gap = " ";
    for (char c : pool) {
        if (!c) continue;
        told += gap + letterText(c);
        gap = ", ";
    }
    return *gap == ' ' ? told + " nessuna lettera" : told;
}

std::string roundCompleteSpoken(int32_t bonus, int32_t score)
{
    return joined({"Bonus di tempo: ", std::to_string(bonus), ". ", play::scoreCaption(score), "."});
}

std::string boardTold(const std::string& genre, const std::vector<std::string>& boxes, const std::string& pool,
                      int32_t score)
{
    const size_t n = boxes.size();
    std::string told = joined({genre, ". ", std::to_string(n), n == 1 ? " parola." : " parole."});
    for (size_t row = 0; row < n; ++row) {
        told += " " + wordRowName(static_cast<int>(row) + 1, boxes[row].size()) + ":";
        const std::string& b = boxes[row];
        for (size_t i = 0; i < b.size();) {
            size_t run = 1;
            while (!b[i] && i + run < b.size() && !b[i + run]) ++run;
            told += (i ? ", " : " ") + (run > 1 ? std::to_string(run) + " vuote" : letterText(b[i]));
            i += run;
        }
        told += ".";
    }
    return joined({told, " ", poolTold(pool), ". ", play::scoreCaption(score), "."});
}

std::string letterTaken(char letter, Cell box)
{
    return box.row ? joined({charAlone(letter), ", ", place(box)}) : charAlone(letter);
}

std::string letterReplaced(char letter, char carried, Cell box)
{
    const Named was = named(carried);
    const std::string old = was.of + was.name;
    return joined({charAlone(letter), " al posto ", old, box.row ? ", " + place(box) : std::string()});
}

std::string boxReached(Cell box)
{
    return joined({place(box), ", ", Empty});
}

std::string letterPlaced(char letter, const Session& s)
{
    return joined({charAlone(letter), ", giusta. ", lettersLeft(s)});
}

std::string letterPutBack(char letter)
{
    return charAlone(letter) + " di nuovo nella vasca";
}

std::string notInPool(char letter)
{
    return joined({letter ? charAlone(letter) : std::string("Questo carattere"), " non \xe8 nella vasca"});
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
