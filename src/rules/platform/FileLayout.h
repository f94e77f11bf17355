// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Where the game's files live, decided once at start-up.
//
// A program folder that holds the word list is a portable copy (the build
// folder, an unpacked archive): the data is read there, and the player's
// files are kept there too while the folder can be written. Otherwise the
// program was installed: the data lies in <prefix>/share/parolix and the
// player's files go to their own data folder, never beside the program.

#include <string>

struct LayoutFacts {
    std::string programFolder;        // the folder of the executable
    bool programHoldsWordList = false; // lexorda.DAT there, in any case
    bool programWritable = false;
    std::string installedDataFolder;  // <program folder>/../share/parolix
    std::string playerDataFolder;     // $XDG_DATA_HOME/parolix
};

struct FileLayout {
    std::string dataFolder;   // word list, genre pictures, documentation
    std::string playerFolder; // settings and records
    bool portable = false;
};

FileLayout chooseFileLayout(const LayoutFacts& facts);
