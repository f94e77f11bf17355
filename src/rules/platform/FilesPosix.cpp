// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Reading the player's files on POSIX systems.
#include "platform/Files.h"

#include "platform/FileStepsPosix.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace filesteps;

namespace {

// ForeignLink for a link another may have planted (see linkMayBeFollowed), else None.
Error followable(const fs::path& p)
{
    struct stat st = {};
    if (::lstat(p.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && !linkMayBeFollowed(p, st)) return Error::ForeignLink;
    return Error::None;
}

// An open file that is a plain file, not a pipe or a device: None, or why not.
Error plainFile(int fd)
{
    struct stat st = {};
    if (::fstat(fd, &st) != 0) return Error::Unreadable;
    return S_ISREG(st.st_mode) ? Error::None : Error::NotAFile;
}

// The entry of this folder whose name matches in any case, or an empty path.
fs::path findIn(const std::string& folder, const std::string& name)
{
    std::error_code ec;
    fs::path exact = fs::path(folder) / name;
    if (fs::exists(exact, ec)) return exact;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (sameFileName(it->path().filename().string(), name)) return it->path();
    }
    return {};
}

} // namespace

namespace {

// This one of two found files was saved after the other (a folder or
// anything else that is not a file does not count).
bool savedLater(const fs::path& a, const fs::path& b)
{
    struct stat sa = {}, sb = {};
    if (::stat(a.c_str(), &sa) != 0 || !S_ISREG(sa.st_mode)) return false;
    if (::stat(b.c_str(), &sb) != 0 || !S_ISREG(sb.st_mode)) return true;
    return sa.st_mtim.tv_sec != sb.st_mtim.tv_sec ? sa.st_mtim.tv_sec > sb.st_mtim.tv_sec
                                                  : sa.st_mtim.tv_nsec > sb.st_mtim.tv_nsec;
}

} // namespace

std::filesystem::path nativePath(const std::string& path)
{
    return path;
}

std::string gamePath(const std::filesystem::path& path)
{
    return path.string();
}

std::string DiskFiles::resolve(const std::string& name) const
{
    fs::path mine = findIn(player_, name);
    if (!other_.empty() && other_ != player_) {
        const fs::path theirs = findIn(other_, name);
        if (!theirs.empty() && (mine.empty() || savedLater(theirs, mine))) mine = theirs;
    }
    if (!mine.empty()) return mine.string();
    if (data_ != player_)
        if (fs::path p = findIn(data_, name); !p.empty()) return p.string();
    return (fs::path(player_) / name).string();
}

fs::path DiskFiles::writeTarget(const std::string& name) const
{
    fs::path p = findIn(player_, name);
    return p.empty() ? fs::path(player_) / name : p;
}

// Made as the desktop's rules for a player's data folder ask: readable by its
// owner alone. Folders that exist are left as they are.
bool DiskFiles::makePlayerFolder() const
{
    std::error_code ec;
    if (fs::is_directory(player_, ec)) return true;
    fs::path made;
    for (const fs::path& part : fs::path(player_)) {
        made /= part;
        if (fs::is_directory(made, ec)) continue;
        if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) return false; // errno tells why
    }
    if (fs::is_directory(player_, ec)) return true;
    errno = ENOTDIR; // something that is no folder stands in the way
    return false;
}

bool holdsEntry(const std::string& folder, const std::string& name)
{
    const fs::path p = findIn(folder, name);
    if (p.empty()) {
        // findIn passes over a link that leads nowhere under its exact name.
        struct stat st = {};
        return ::lstat((fs::path(folder) / name).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
    }
    struct stat st = {};
    if (::stat(p.c_str(), &st) == 0) return !S_ISDIR(st.st_mode);
    return true; // there, though it cannot be looked into
}

bool DiskFiles::exists(const std::string& name)
{
    if (name.empty() || name[0] == '.') return false;
    std::error_code ec;
    fs::path p = resolve(name);
    return fs::is_regular_file(p, ec);
}

Error DiskFiles::readLines(const std::string& name, const std::function<bool(std::string_view)>& line, size_t maxLine,
                           FileKind kind)
{
    if (name.empty() || name[0] == '.') return Error::NotFound;
    const fs::path path = resolve(name);
    struct stat st = {};
    if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return Error::NotFound;
    // A pipe or a device would never end, or never begin: it is not read.
    if (!S_ISREG(st.st_mode)) return Error::NotAFile;
    if (const Error e = followable(path); e != Error::None) return e;
    if (kind == FileKind::Own) {
        // Read while no save of another copy is under way, so a file written
        // in place is never seen half done. A lock that stays taken is not
        // waited for again: the file is read as it stands. No lock file, no
        // save ever made here: nothing to wait for, and nothing is made.
        int lock = -1;
        if (heldLock_ != lowered(name)) {
            Error busy = Error::None;
            lock = takeLock(name, false, busy);
        }
        const FileCloser closer{lock};
        return readOwnFile(path, line, maxLine);
    }
    // Without waiting, in case a pipe took the file's place meanwhile.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Error::Unreadable;
    const FileCloser closer{fd};
    if (const Error e = plainFile(fd); e != Error::None) return e;
    // Whole, in one read: whether it is UTF-8 is a question about every
    // byte, and then the bytes are at hand for the lines.
    std::string head;
    if (!readCapped(fd, DataFileMax, head)) return Error::Unreadable;
    return splitDataFile(head, line, maxLine);
}

Error DiskFiles::readOwnFile(const fs::path& path, const std::function<bool(std::string_view)>& line, size_t maxLine)
{
    // A save that was writing the file in place when it stopped left its
    // whole text in the journal: that is the file's content.
    std::error_code ec;
    const fs::path real = fs::is_symlink(path, ec) ? fs::weakly_canonical(path, ec) : path;
    struct stat target = {};
    int fd = -1;
    if (::stat(real.c_str(), &target) == 0 && trustedJournal(journalOf(real), target))
        fd = ::open(journalOf(real).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Error::Unreadable;
    const FileCloser closer{fd};
    if (const Error e = plainFile(fd); e != Error::None) return e;
    std::string head;
    if (!readCapped(fd, OwnFileMax, head)) return Error::Unreadable;
    return splitOwnFile(head, line, maxLine);
}
