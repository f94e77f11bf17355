// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/FileStepsPosix.h"

#include "platform/Files.h"

#include <algorithm>
#include <cerrno>

namespace fs = std::filesystem;

namespace filesteps {

namespace {

// A sticky folder that anyone may write, like /tmp: there a name may have
// been planted by another user.
bool sharedSticky(const struct stat& folder)
{
    return (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
}

// Someone other than the player may write in this folder, and so put a
// link there: a group or all may (sticky or not: the sticky bit stops no
// one from adding a name), or it is another user's, who may open it at will.
// Root is no one else: it could do anything anyway.
bool othersMayWrite(const struct stat& folder)
{
    return (folder.st_mode & (S_IWGRP | S_IWOTH)) != 0 || (folder.st_uid != ::geteuid() && folder.st_uid != 0);
}

} // namespace

std::string lowered(std::string s)
{
    for (char& c : s) c = asciiLower(c);
    return s;
}

Error writeFailure(int err)
{
    if (err == ENOTDIR) return Error::NotAFolder;
    return err == ENOSPC || err == EDQUOT ? Error::DiskFull : Error::Unwritable;
}

bool linkMayBeFollowed(const fs::path& link, const struct stat& linkStat)
{
    if (linkStat.st_uid == ::geteuid() || linkStat.st_uid == 0) return true;
    struct stat folder = {};
    const fs::path parent = link.parent_path();
    if (::stat(parent.empty() ? "." : parent.c_str(), &folder) != 0) return false;
    return !othersMayWrite(folder);
}

fs::path journalOf(const fs::path& target)
{
    return target.parent_path() / ("." + target.filename().string() + ".journal");
}

bool trustedJournal(const fs::path& journal, const struct stat& target)
{
    struct stat j = {}, folder = {};
    if (::lstat(journal.c_str(), &j) != 0 || !S_ISREG(j.st_mode)) return false;
    if (::stat(journal.parent_path().c_str(), &folder) != 0) return false;
    if (j.st_uid == ::geteuid() || j.st_uid == target.st_uid || j.st_uid == folder.st_uid) return true;
    // A group member's journal beside a file only its owner may write would
    // let that member write it through us.
    const bool authorMayWrite =
        (target.st_mode & S_IWOTH) != 0 || ((target.st_mode & S_IWGRP) != 0 && j.st_gid == target.st_gid);
    return !sharedSticky(folder) && authorMayWrite;
}

bool readCapped(int fd, size_t max, std::string& text)
{
    text.clear();
    char buf[65536];
    while (text.size() <= max) {
        const ssize_t n = ::read(fd, buf, std::min(sizeof buf, max + 1 - text.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        text.append(buf, static_cast<size_t>(n));
    }
    return true;
}

} // namespace filesteps
