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
    } cases[] = {
        {"portable, writable: everything beside the program", true, true, program, program, true},
        {"portable, read-only: the player's files go home", true, false, program, player, true},
        {"installed: shared data, the player's files at home", false, true, installed, player, false},
        {"installed, read-only", false, false, installed, player, false},
    };
    for (const Case& c : cases) {
        FileLayout l = chooseFileLayout({program, c.holdsWordList, c.writable, installed, player});
        EXPECT_EQ(l.dataFolder, c.data) << c.what;
        EXPECT_EQ(l.playerFolder, c.playerFolder) << c.what;
        EXPECT_EQ(l.portable, c.portable) << c.what;
    }
}
