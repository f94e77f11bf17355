#include "game/WordList.h"

int readSection(Files& files, const std::string& genre, GenreWords& words, Error* error)
{
    int count = 0;
    bool inSection = false;
    Error e = files.readLines(
        WordListFile,
        [&](std::string_view line) {
            if (!line.empty() && line[0] == SectionMark) {
                if (inSection) return false; // the next header ends the section
                inSection = line.substr(1) == genre;
                return true;
            }
            if (inSection) {
                if (count >= MaxSectionWords) return false;
                words.slot[count++] = std::string(line);
            }
            return true;
        },
        MaxWordLength);
    if (error) *error = e;
    return e == Error::None ? count : -1;
}
