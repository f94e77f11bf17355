// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/FileLayout.h"

FileLayout chooseFileLayout(const LayoutFacts& facts)
{
    if (facts.programHoldsWordList)
        return {facts.programFolder,
                facts.programWritable ? facts.programFolder : facts.playerDataFolder, true};
    return {facts.installedDataFolder, facts.playerDataFolder, false};
}
