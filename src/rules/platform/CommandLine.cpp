// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/CommandLine.h"

#include <string_view>

namespace {

// Options every Qt program takes, spelt with one dash or two; QApplication
// reads and removes them later.
struct QtOption {
    std::string_view name;
    bool takesValue;
};
constexpr QtOption QtOptions[] = {
    {"platform", true},        {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},        {"qwindowtitle", true},  {"session", true},
    {"display", true},         {"geometry", true},           {"style", true},         {"stylesheet", true},
    {"reverse", false},        {"widgetcount", false},
};

const QtOption* qtOption(std::string_view name)
{
    for (const QtOption& o : QtOptions)
        if (o.name == name) return &o;
    return nullptr;
}

} // namespace

CommandLine parseCommandLine(int argc, const char* const* argv)
{
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') return {CommandAction::Operand, std::string(arg)};
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "-h" || arg == "--help") return {CommandAction::Help, {}};
        if (arg == "-V" || arg == "--version") return {CommandAction::Version, {}};
        std::string_view name = arg.substr(arg[1] == '-' ? 2 : 1);
        const size_t equals = name.find('=');
        const bool valueAttached = equals != std::string_view::npos;
        const QtOption* qt = qtOption(name.substr(0, equals));
        if (!qt || (valueAttached && !qt->takesValue)) return {CommandAction::UnknownOption, std::string(arg)};
        if (qt->takesValue && !valueAttached && ++i >= argc) return {CommandAction::MissingValue, std::string(arg)};
    }
    return {};
}
