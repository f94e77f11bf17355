// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "launcher/CommandLineAnswer.h"

#include "Identity.h"

namespace {

// These go to a terminal, so they are UTF-8, not code page 1252 as the
// windows' texts.
constexpr const char* HelpText = "Uso: parolix [OPZIONE]\n"
                                 "Gioco di anagrammi in italiano. Senza opzioni apre la scelta del genere.\n"
                                 "\n"
                                 "  -h, --help      mostra questo aiuto ed esce\n"
                                 "  -V, --version   mostra la versione ed esce\n"
                                 "\n"
                                 "Accetta anche le opzioni comuni dei programmi Qt (-style, -platform ...).\n"
                                 "Manuale: man 6 parolix. Sito: " PAROLIX_HOMEPAGE "\n";

constexpr const char* VersionText = "Parolix " PAROLIX_VERSION "\n"
                                    "Copyright 2026 The Parolix developers\n"
                                    "Licenza GPL-2.0-or-later: GNU GPL versione 2 o successiva\n"
                                    "<https://www.gnu.org/licenses/old-licenses/gpl-2.0.html>.\n"
                                    "Questo \u00E8 software libero: puoi modificarlo e ridistribuirlo.\n"
                                    "Non c'\u00E8 alcuna garanzia, nei limiti consentiti dalla legge.\n";

constexpr const char* TryHelp = "; prova 'parolix --help'.\n";

// A help nobody could read (a full disk, a closed pipe) is a failure.
int written(const char* text, std::FILE* out)
{
    return std::fputs(text, out) >= 0 && std::fflush(out) == 0 ? 0 : 1;
}

} // namespace

int answerCommandLine(const CommandLine& line, std::FILE* out, std::FILE* err)
{
    const char* arg = line.argument.c_str();
    switch (line.action) {
    case CommandAction::Help: return written(HelpText, out);
    case CommandAction::Version: return written(VersionText, out);
    case CommandAction::UnknownOption: std::fprintf(err, "parolix: opzione sconosciuta '%s'%s", arg, TryHelp); return 2;
    case CommandAction::MissingValue:
        std::fprintf(err, "parolix: manca il valore dell'opzione '%s'%s", arg, TryHelp);
        return 2;
    case CommandAction::Operand: std::fprintf(err, "parolix: argomento non previsto '%s'%s", arg, TryHelp); return 2;
    case CommandAction::Play: break;
    }
    return 0;
}
