// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/FileLayout.h"

#include <gtest/gtest.h>

TEST(FileLayout, PortableCopyOrInstalledGame)
{
    const std::string program = "/opt/parolix/bin", installed = "/opt/parolix/share/parolix",
                      player = "/home/ada/.local/share/parolix";
    struct Case {
        const char* what;
        bool holdsWordList, writable;
        std::string data, playerFolder;
        bool portable;
        std::string other; // the other place whose files count when saved last
    } cases[] = {
        {"portable, writable: everything beside the program", true, true, program, program, true, player},
        {"portable, read-only: the player's files go home", true, false, program, player, true, program},
        {"installed: shared data, the player's files at home", false, true, installed, player, false, ""},
        {"installed, read-only", false, false, installed, player, false, ""},
    };
    for (const Case& c : cases) {
        FileLayout l = chooseFileLayout({program, c.holdsWordList, c.writable, installed, player});
        EXPECT_EQ(l.dataFolder, c.data) << c.what;
        EXPECT_EQ(l.playerFolder, c.playerFolder) << c.what;
        EXPECT_EQ(l.portable, c.portable) << c.what;
        EXPECT_EQ(l.otherPlayerFolder, c.other) << c.what;
    }
}

// XDG_DATA_HOME as the desktop's rules read it: absolute or ignored, and
// taken byte for byte.
TEST(FileLayout, ThePlayersDataFolder)
{
    const struct {
        const char *xdg, *home;
        std::string folder;
    } cases[] = {
        {"/srv/dati", "/home/ada", "/srv/dati/parolix"},
        {nullptr, "/home/ada", "/home/ada/.local/share/parolix"},
        {"", "/home/ada", "/home/ada/.local/share/parolix"},
        {"dati", "/home/ada", "/home/ada/.local/share/parolix"},
        {"/srv/d\xE0ti", "/home/ada", "/srv/d\xE0ti/parolix"}, // code page bytes, not UTF-8
        {"dati", "casa", ""},
        {nullptr, nullptr, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(playerDataFolderFrom(c.xdg, c.home), c.folder) << (c.xdg ? c.xdg : "(unset)");
}
