// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/FileLayout.h"

FileLayout chooseFileLayout(const LayoutFacts& facts)
{
    if (facts.programHoldsWordList) {
        if (facts.programWritable) return {facts.programFolder, facts.programFolder, true, facts.playerDataFolder};
        return {facts.programFolder, facts.playerDataFolder, true, facts.programFolder};
    }
    return {facts.installedDataFolder, facts.playerDataFolder, false, {}};
}

std::string playerDataFolderFrom(const char* xdgDataHome, const char* home)
{
    if (xdgDataHome && xdgDataHome[0] == '/') return std::string(xdgDataHome) + "/parolix";
    if (home && home[0] == '/') return std::string(home) + "/.local/share/parolix";
    return {};
}
