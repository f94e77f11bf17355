#include "platform/FileLayout.h"

FileLayout chooseFileLayout(const LayoutFacts& facts)
{
    if (facts.programHoldsWordList)
        return {facts.programFolder,
                facts.programWritable ? facts.programFolder : facts.playerDataFolder, true};
    return {facts.installedDataFolder, facts.playerDataFolder, false};
}
