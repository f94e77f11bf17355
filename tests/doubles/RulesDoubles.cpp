// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "doubles/RulesDoubles.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {
double nextOf(std::deque<double>& times)
{
    const double t = times.front();
    if (times.size() > 1) times.pop_front();
    return t;
}
} // namespace

double FakeClock::secondsSinceMidnight()
{
    return nextOf(times);
}

double FakeClock::steadySeconds()
{
    return nextOf(steady);
}

double ScriptedRandom::next()
{
    if (draws.empty()) return fallback;
    double d = draws.front();
    draws.pop_front();
    return d;
}

std::map<std::string, std::string>::iterator MemoryFiles::find(const std::string& name)
{
    return std::find_if(content.begin(), content.end(), [&](const auto& kv) { return sameFileName(kv.first, name); });
}

std::string MemoryFiles::text(const std::string& name) const
{
    for (const auto& [k, v] : content)
        if (sameFileName(k, name)) return v;
    return {};
}

bool MemoryFiles::exists(const std::string& name)
{
    return find(name) != content.end();
}

Error MemoryFiles::readLines(const std::string& name, const std::function<bool(std::string_view)>& line, size_t maxLine,
                             FileKind kind)
{
    auto it = find(name);
    if (it == content.end()) return Error::NotFound;
    if (failReads) return Error::Unreadable;
    if (kind == FileKind::Own)
        return splitOwnFile(std::string_view(it->second).substr(0, OwnFileMax + 1), line, maxLine);
    return splitDataFile(std::string_view(it->second).substr(0, DataFileMax + 1), line, maxLine);
}

Error MemoryFiles::rewrite(const std::string& name, const std::vector<std::string>& lines)
{
    if (failWrites) return writeFailure;
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    auto it = find(name);
    if (it != content.end()) it->second = text;
    else content[name] = text;
    return Error::None;
}

Error MemoryFiles::touch(const std::string& name)
{
    if (exists(name)) return Error::None;
    if (failWrites) return writeFailure;
    content[name] = "";
    return Error::None;
}

Error MemoryFiles::underLock(const std::string&, const std::function<Error()>& step)
{
    return busy ? Error::Busy : step();
}

std::string MemoryFiles::pathOf(const std::string& name)
{
    auto it = find(name);
    return it == content.end() ? std::string() : it->first;
}

std::string readDataFile(const std::string& name)
{
    std::ifstream in(std::string(PAROLIX_DATA_DIR) + "/" + name, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}
