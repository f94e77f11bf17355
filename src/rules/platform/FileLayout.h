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
//
// A portable copy whose folder was read-only for a while kept the player's
// files in their data folder meanwhile, and one whose folder was writable
// kept them beside the program: both places count, and of a file found in
// both the one saved last is read, so nothing saved in either is lost when
// the folder changes.

#include <string>

struct LayoutFacts {
    std::string programFolder;         // the folder of the executable
    bool programHoldsWordList = false; // lexorda.DAT there, in any case
    bool programWritable = false;
    std::string installedDataFolder; // <program folder>/../share/parolix
    std::string playerDataFolder;    // $XDG_DATA_HOME/parolix
};

struct FileLayout {
    std::string dataFolder;   // word list, genre pictures, documentation
    std::string playerFolder; // settings and records
    bool portable = false;
    // A portable copy's other place for the player's files (the one of the
    // program folder and the player's data folder that playerFolder is not);
    // empty when installed.
    std::string otherPlayerFolder;
};

FileLayout chooseFileLayout(const LayoutFacts& facts);

// The player's data folder, <XDG_DATA_HOME>/parolix, else
// <HOME>/.local/share/parolix, as the bytes the file system knows (a folder
// name need not be UTF-8). A relative XDG_DATA_HOME is invalid and ignored,
// as the desktop's rules say; empty when no absolute folder is given.
std::string playerDataFolderFrom(const char* xdgDataHome, const char* home);
