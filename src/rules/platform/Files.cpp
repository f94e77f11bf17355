// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// What the game's files mean, the same on every system: names in any case,
// lines, code page. The calls that differ between systems are in
// FilesPosix.cpp and FileSavingPosix.cpp, or FilesWindows.cpp.
#include "platform/Files.h"

#include "platform/LineSplitter.h"
#include "platform/Utf8Text.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool sameFileName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

bool isNoteName(const std::string& name)
{
    return name.size() > 1 && name[0] == '.' && name.find_first_of("/\\:") == std::string::npos && name != "..";
}

bool listsAsNote(const std::string& name, const std::string& prefix)
{
    return name.rfind(prefix, 0) == 0 && isNoteName(name) && name.find(".tmp-") == std::string::npos &&
           !name.ends_with(".lock");
}

Error DiskFiles::rewriteNote(const std::string& name, const std::vector<std::string>& lines)
{
    return isNoteName(name) ? rewrite(name, lines) : Error::NotFound;
}

bool inGameShape(std::string_view text)
{
    if (text.size() < 2 || text.substr(text.size() - 2) != "\r\n") return false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
    }
    return true;
}

void splitLines(std::string_view text, const std::function<bool(std::string_view)>& line, size_t maxLine, FileKind kind)
{
    LineSplitter s(line, maxLine);
    // A byte order mark is no part of the text, and it says UTF-8 whatever
    // the lines end with: Notepad writes it, with CR LF.
    const bool marked = text.starts_with("\xEF\xBB\xBF");
    if (marked) text.remove_prefix(3);
    // The game's own files in the shape it writes them are its own bytes:
    // a name like "\xC3\xA9" is two letters of the code page, not one in UTF-8.
    // The editors that save UTF-8 on Linux end their lines in LF alone.
    const bool own = kind == FileKind::Own && !marked && inGameShape(text);
    if (!own && readsAsUtf8(text)) {
        const std::string converted = utf8ToCp1252(text);
        if (s.feed(converted)) s.finish();
    } else if (s.feed(text)) {
        s.finish();
    }
}

Error splitDataFile(std::string_view head, const std::function<bool(std::string_view)>& line, size_t maxLine)
{
    if (head.size() > DataFileMax) return Error::FileTooLarge;
    splitLines(head, line, maxLine, FileKind::Data);
    return Error::None;
}

Error splitOwnFile(std::string_view head, const std::function<bool(std::string_view)>& line, size_t maxLine)
{
    if (head.size() <= OwnFileMax) {
        splitLines(head, line, maxLine, FileKind::Own);
        return Error::None;
    }
    // Past the cap only the lines that end within it are handed over; a
    // reader that has what it uses before the cap stops there, and the rest
    // of the file is never read. One that wants more finds the file damaged.
    size_t end = head.find_last_of("\r\n", OwnFileMax - 1);
    end = end == std::string_view::npos ? 0 : end + (head[end] == '\r' && head[end + 1] == '\n' ? 2 : 1);
    bool stopped = false;
    splitLines(
        head.substr(0, end), [&](std::string_view l) { return line(l) || (stopped = true, false); }, maxLine,
        FileKind::Own);
    return stopped ? Error::None : Error::FileTooLarge;
}

DiskFiles::DiskFiles(std::string folder) : data_(folder), player_(std::move(folder))
{
}

DiskFiles::DiskFiles(std::string dataFolder, std::string playerFolder)
    : data_(std::move(dataFolder)), player_(std::move(playerFolder))
{
}

std::string DiskFiles::pathOf(const std::string& name)
{
    return exists(name) ? resolve(name) : std::string();
}

std::vector<std::string> DiskFiles::notesStartingWith(const std::string& prefix)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(nativePath(player_), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = gamePath(it->path().filename());
        if (listsAsNote(name, prefix)) names.push_back(name);
    }
    return names;
}

// A save cut short by a crash leaves its temporary file behind; the next save
// clears those that are clearly not another save still under way.
void DiskFiles::removeStaleTemporaries(const fs::path& target, std::chrono::minutes age)
{
    const fs::path::string_type prefix = (target.filename() += ".tmp-").native();
    const auto cutoff = fs::file_time_type::clock::now() - age;
    std::error_code ec;
    for (fs::directory_iterator it(target.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        if (it->path().filename().native().rfind(prefix, 0) == 0 && it->is_regular_file(ignored) &&
            fs::last_write_time(it->path(), ignored) < cutoff)
            fs::remove(it->path(), ignored);
    }
}
