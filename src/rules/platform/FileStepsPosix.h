// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The POSIX steps that reading and saving the player's files share
// (platform/FilesPosix.cpp reads, platform/FileSavingPosix.cpp saves).

#include "platform/Result.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace filesteps {

struct FileCloser {
    int fd;
    ~FileCloser() { ::close(fd); }
};

std::string lowered(std::string s);

// A write that failed for want of room, blocks or inodes, or of quota, says
// so; so does one that found a file where a folder of its path should be.
Error writeFailure(int err);

// In a folder that someone else may write (a group or all, sticky or not,
// or another user's own), a link is followed only when it is the player's
// or root's: another member of a group could otherwise plant a link to a
// private file of the player's, which the game would show and replace. The
// kernel's protected links guard only sticky folders open to all, and the
// game resolves links itself, so it applies its rule whatever the system's
// setting.
bool linkMayBeFollowed(const std::filesystem::path& link, const struct stat& linkStat);

// A save into a file it cannot replace (see DiskFiles::rewrite) first puts
// the whole new text here, beside the file; while it is there, it is the
// file's content.
std::filesystem::path journalOf(const std::filesystem::path& target);

// A journal counts only where no stranger could have planted it: a regular
// file (not a link) of ours or of the file's owner or the folder's, or else,
// in a folder that is not sticky and open to all, of someone who could have
// written the file itself (it is open to all, or to the journal's group).
bool trustedJournal(const std::filesystem::path& journal, const struct stat& target);

// The first max + 1 bytes of an open file at most.
bool readCapped(int fd, size_t max, std::string& text);

} // namespace filesteps
