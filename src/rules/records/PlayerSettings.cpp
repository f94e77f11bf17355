// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "records/PlayerSettings.h"

#include "session/Cp1252.h"
#include "session/Numbers.h"

namespace {

constexpr int16_t HelpMax = 60;

} // namespace

std::string readPlayerName(Files& files, Error* error)
{
    if (!files.exists(SettingsFile)) return NameAtStart;
    std::string first;
    const Error read = files.readLines(
        SettingsFile,
        [&](std::string_view line) {
            first = line;
            return false; // only the first line holds the name
        },
        4096, FileKind::Own);
    // A file that cannot be read leaves the name it would have had without one.
    if (error) *error = read;
    if (read != Error::None) return NameAtStart;
    // The first five characters ("Nome=") are skipped unseen.
    std::string name = first.size() > 5 ? first.substr(5) : std::string();
    return upperCp1252(trimBlanks(blankControls(name)));
}

Error writePlayerName(Files& files, const std::string& name)
{
    // Under the lock, so two copies saving at once cannot meet mid-save.
    return files.underLock(SettingsFile, [&] { return files.rewrite(SettingsFile, {"Nome=" + name}); });
}

std::string askPlayerName(const Ask& ask, const std::string& current)
{
    std::string name = current;
    do {
        name = blankControls(ask(name));
        if (name.empty()) name = NameWhenEmpty;
    } while (name.size() > NameMax);
    return name;
}

void askHelpPercent(const Ask& ask, Session& s)
{
    // Beyond the 16-bit range the value saturates, which is out of range too,
    // so the box comes back offering the saturated value.
    do {
        s.HelpPercent = toInt16(LeadingNumber(ask(signPlace(s.HelpPercent))));
    } while (s.HelpPercent < 0 || s.HelpPercent > HelpMax);
    if (s.HelpPercent == 0) s.HelpPercent = 1;
    s.HelpPercentStart = s.HelpPercent;
}
