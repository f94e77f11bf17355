// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// What the command line asks for, read before any window exists so that
// --help and --version answer without a display. The game itself takes no
// options; Qt's own (-style, -platform, -session ...) are let through to
// QApplication, as a session manager restarts programs with -session.

#include <string>

enum class CommandAction {
    Play,    // no option of ours: open the launcher
    Help,    // -h, --help
    Version, // -V, --version
    UnknownOption,
    MissingValue, // a Qt option that takes a value, given none
    Operand,      // an argument that is no option: the game opens no files
};

struct CommandLine {
    CommandAction action = CommandAction::Play;
    std::string argument; // the argument at fault, for the error line
};

// Reads argv[1..argc-1] in order; the first of --help, --version or a fault
// decides, as with the usual option parsers.
CommandLine parseCommandLine(int argc, const char* const* argv);
