// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/CommandLine.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CommandLine, OurOptionsQtsOptionsAndFaults)
{
    using A = CommandAction;
    struct Case {
        std::vector<const char*> args;
        A action;
        const char* argument;
    } cases[] = {
        {{}, A::Play, ""},
        {{"--help"}, A::Help, ""},
        {{"-h"}, A::Help, ""},
        {{"--version"}, A::Version, ""},
        {{"-V"}, A::Version, ""},
        // The first that decides wins, as with getopt.
        {{"--version", "--bogus"}, A::Version, ""},
        {{"--bogus", "--help"}, A::UnknownOption, "--bogus"},
        {{"-v"}, A::UnknownOption, "-v"},
        {{"--help=yes"}, A::UnknownOption, "--help=yes"},
        // Qt's options go through to QApplication, value included.
        {{"-style", "fusion", "--platform", "offscreen"}, A::Play, ""},
        {{"-session", "1234_abc", "-reverse"}, A::Play, ""},
        {{"-stylesheet=a.qss", "--widgetcount"}, A::Play, ""},
        {{"-style", "--help"}, A::Play, ""}, // "--help" is the style's name
        {{"-reverse=1"}, A::UnknownOption, "-reverse=1"},
        {{"-platform"}, A::MissingValue, "-platform"},
        // The game opens no files.
        {{"parole.txt"}, A::Operand, "parole.txt"},
        {{"-"}, A::Operand, "-"},
        {{"--", "--help"}, A::Operand, "--help"},
        {{"--"}, A::Play, ""},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv{"parolix"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        const CommandLine line = parseCommandLine(static_cast<int>(argv.size()), argv.data());
        std::string said;
        for (const char* a : c.args) said += std::string(a) + " ";
        EXPECT_EQ(line.action, c.action) << said;
        EXPECT_EQ(line.argument, c.argument) << said;
    }
}
