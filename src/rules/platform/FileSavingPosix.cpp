// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Saving the player's files: whole or not at all, under a lock shared with
// other copies of the game.
#include "platform/Files.h"

#include "platform/FileStepsPosix.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace filesteps;

namespace {

bool writeAll(int fd, const std::string& text)
{
    const char* p = text.data();
    size_t left = text.size();
    while (left > 0) {
        ssize_t w = ::write(fd, p, left);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += w;
        left -= static_cast<size_t>(w);
    }
    return true;
}

// After a rename the folder holds the new name only once the folder itself
// is on disk; until then a power cut could bring the old file back.
bool syncFolder(const fs::path& folder)
{
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    // Some file systems cannot sync a folder at all; nothing more to do there.
    bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    ::close(fd);
    return ok;
}

// Writes the text over the file's own bytes, keeping the file itself: its
// owner, group, mode and every hard link. Gives 0 or the errno.
int overwrite(const fs::path& target, const std::string& text)
{
    const int fd = ::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return errno;
    int err = 0;
    size_t done = 0;
    while (err == 0 && done < text.size()) {
        const ssize_t w = ::pwrite(fd, text.data() + done, text.size() - done, static_cast<off_t>(done));
        if (w < 0 && errno != EINTR) err = errno;
        if (w > 0) done += static_cast<size_t>(w);
    }
    if (err == 0 && ::ftruncate(fd, static_cast<off_t>(text.size())) != 0) err = errno;
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    return err;
}

// A save that stopped while writing in place is finished from its journal
// before anything else touches the file; then the journal goes.
Error finishInterruptedSave(const fs::path& target, const struct stat& old)
{
    const fs::path journal = journalOf(target);
    if (!trustedJournal(journal, old)) return Error::None;
    const int fd = ::open(journal.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return Error::Unwritable;
    std::string text;
    const bool read = readCapped(fd, OwnFileMax, text);
    ::close(fd);
    if (!read || text.size() > OwnFileMax) return Error::Unwritable;
    if (const int err = overwrite(target, text); err != 0) return writeFailure(err);
    // A journal left in place would stand for the file at every read.
    if (::unlink(journal.c_str()) != 0) return Error::Unwritable;
    return syncFolder(target.parent_path()) ? Error::None : Error::Unwritable;
}

// Where a save of `named` goes: the file itself or, for a link the player
// made, the file it points at, in that file's folder. A link another user
// may have planted is not followed (see linkMayBeFollowed).
Error followLink(const fs::path& named, fs::path& target)
{
    target = named;
    struct stat linkStat = {};
    if (::lstat(named.c_str(), &linkStat) != 0 || !S_ISLNK(linkStat.st_mode)) return Error::None;
    if (!linkMayBeFollowed(named, linkStat)) return Error::ForeignLink;
    // Read by hand, so a link to a file not made yet leads to it too.
    std::error_code ec;
    const fs::path to = fs::read_symlink(named, ec);
    if (ec) return Error::Unwritable;
    target = fs::weakly_canonical(to.is_relative() ? named.parent_path() / to : to, ec);
    return ec ? Error::Unwritable : Error::None;
}

// The file the save replaces, when there is one, ready for it: a file, not
// made read-only by the player, with no save of another copy left unfinished.
Error checkOld(const fs::path& target, std::optional<struct stat>& old)
{
    struct stat st = {};
    if (::stat(target.c_str(), &st) != 0) return errno == ENOENT ? Error::None : Error::Unwritable;
    old = st;
    if (!S_ISREG(st.st_mode)) return Error::Unwritable;
    // The mode bits count even for an owner the system would let write.
    if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) return Error::Unwritable;
    return finishInterruptedSave(target, st);
}

// The new file takes the old one's owner and group where it may, so a file
// shared with a group or kept private stays so, and its mode; a new one the
// permissions an ordinary new file would get. True when the save must be
// written in place instead (see DiskFiles::rewrite). A failure sets err.
bool settleOwnership(int fd, const std::optional<struct stat>& old, int& err)
{
    if (!old) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (err == 0 && ::fchmod(fd, 0666 & ~mask) != 0) err = errno;
        return false;
    }
    bool inPlace = false;
    struct stat made = {};
    if (::fstat(fd, &made) != 0 || made.st_uid != old->st_uid || made.st_gid != old->st_gid)
        inPlace = ::fchown(fd, old->st_uid, old->st_gid) != 0;
    // A journal carries the file's group, which lets its author write the file
    // (see trustedJournal); a member of it may give it that group.
    if (inPlace && ::fchown(fd, static_cast<uid_t>(-1), old->st_gid) != 0) {
        // Its own group then: only the file's owner, or the player, takes it.
    }
    inPlace = inPlace || old->st_nlink > 1;
    // As a journal it is read by whoever may read the file; never run.
    if (err == 0 && ::fchmod(fd, old->st_mode & (inPlace ? 0666 : 07777)) != 0) err = errno;
    return inPlace;
}

std::string crlfLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& l : lines) {
        text += l;
        text += "\r\n";
    }
    return text;
}

} // namespace

// Two ways to save. The usual one writes a temporary file beside the old one
// and renames it over it: a crash leaves the old file or the new, whole. The
// new file is the saver's own, though, and a rename cuts hard links. So a
// file that the player may write but that belongs to someone else (a
// records file shared by a group), whose owner or group the new file could
// not be given, or a file with further hard links, is written in place
// instead: the whole new text first goes to the journal (the temporary file,
// synced, renamed to its journal name, the folder synced), and only then over
// the file's own bytes. A crash before the journal is in place leaves the old
// file; after it, the journal holds the whole new text, every read takes it
// for the file's content, and the next save copies it over before anything
// else. So a reader always sees a whole file, old or new, and the file keeps
// its owner, group, mode and links.
Error DiskFiles::rewrite(const std::string& name, const std::vector<std::string>& lines)
{
    if (!makePlayerFolder()) return writeFailure(errno);
    fs::path target;
    if (const Error e = followLink(writeTarget(name), target); e != Error::None) return e;
    std::optional<struct stat> old;
    if (const Error e = checkOld(target, old); e != Error::None) return e;

    std::string tmpName = target.string() + ".tmp-XXXXXX";
    const int fd = mkostemp(tmpName.data(), O_CLOEXEC);
    if (fd < 0) return writeFailure(errno);
    const std::string text = crlfLines(lines);
    int err = writeAll(fd, text) && ::fsync(fd) == 0 ? 0 : errno;
    const bool inPlace = settleOwnership(fd, old, err);
    if (::close(fd) != 0 && err == 0) err = errno;
    const fs::path journal = journalOf(target);
    if (err == 0 && ::rename(tmpName.c_str(), (inPlace ? journal : target).c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(tmpName.c_str());
        return writeFailure(err);
    }
    removeStaleTemporaries(target);
    if (!syncFolder(target.parent_path())) return Error::Unwritable;
    if (inPlace) {
        // The journal is on disk: the save is made. Should the copy over the
        // file fail now, the journal stays and stands for the file until
        // the next save copies it over.
        if (overwrite(target, text) == 0 && ::unlink(journal.c_str()) == 0) syncFolder(target.parent_path());
    }
    return Error::None;
}

fs::path DiskFiles::lockPathOf(const std::string& name) const
{
    return fs::path(player_) / ("." + lowered(name) + ".lock");
}

int DiskFiles::takeLock(const std::string& name, bool create, Error& error)
{
    return takeLock(name, create, error, lockWait_);
}

int DiskFiles::takeLock(const std::string& name, bool create, Error& error, std::chrono::milliseconds wait)
{
    // The lock is a hidden file beside the player's file, one name for the
    // file in any case. It is never removed: a copy that removed it could
    // leave two copies holding locks on two different files. A copy that
    // crashed loses its lock with its life, so a stale lock is simply taken.
    // A link in its place is not followed.
    error = Error::None;
    const fs::path lockPath = lockPathOf(name);
    int fd = -1;
    if (create && makePlayerFolder()) fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) fd = ::open(lockPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return -1;

    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) {
            // A file system without locks: as good as it gets.
            ::close(fd);
            return -1;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            error = Error::Busy;
            return -1;
        }
        ::usleep(5000);
    }
    return fd;
}

Error DiskFiles::underLock(const std::string& name, const std::function<Error()>& step)
{
    Error busy = Error::None;
    const int fd = takeLock(name, true, busy);
    if (busy != Error::None) return busy;
    // Without a lock file the folder takes no file, so nothing can be
    // saved there to race with: the step runs, and its save fails.
    if (fd < 0) return step();
    const FileCloser closer{fd}; // closing releases the lock, also if the step throws
    // The step's own reads of the file need not wait for this lock.
    struct Holding {
        std::string& held;
        std::string before;
        ~Holding() { held = before; }
    } holding{heldLock_, heldLock_};
    heldLock_ = lowered(name);
    return step();
}

Error DiskFiles::touch(const std::string& name)
{
    std::error_code ec;
    // A file found in the data folder counts: its lines are read from there
    // and the next save puts them, updated, into the player's folder.
    if (fs::is_regular_file(resolve(name), ec)) return Error::None;
    fs::path p = writeTarget(name);
    // Anything of that name, a dangling link too, is left alone.
    if (fs::exists(fs::symlink_status(p, ec))) return Error::Unwritable;
    if (!makePlayerFolder()) return writeFailure(errno);
    int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return errno == EEXIST ? Error::None : writeFailure(errno);
    ::close(fd);
    return Error::None;
}

// ---------------------------------------------------------------- notes

namespace {

struct LockHold final : FileHold {
    explicit LockHold(int fd) : fd(fd) {}
    ~LockHold() override { ::close(fd); }
    int fd;
};

} // namespace

Error DiskFiles::readNote(const std::string& name, const std::function<bool(std::string_view)>& line)
{
    if (!isNoteName(name)) return Error::NotFound;
    const fs::path path = fs::path(player_) / name;
    struct stat st = {};
    if (::lstat(path.c_str(), &st) != 0) return Error::NotFound;
    // A note is the game's own plain file: a link or anything else in its
    // place is not read.
    if (!S_ISREG(st.st_mode)) return Error::NotAFile;
    return readOwnFile(path, line, 4096);
}

Error DiskFiles::holdNote(const std::string& name, bool create, std::unique_ptr<FileHold>& hold)
{
    hold.reset();
    if (!isNoteName(name)) return Error::NotFound;
    Error busy = Error::None;
    const int fd = takeLock(name, create, busy, std::chrono::milliseconds(0));
    if (busy != Error::None) return busy;
    if (fd < 0) {
        std::error_code ec;
        return fs::exists(fs::symlink_status(lockPathOf(name), ec)) ? Error::None : Error::NotFound;
    }
    hold = std::make_unique<LockHold>(fd);
    return Error::None;
}

Error DiskFiles::removeNote(const std::string& name, std::unique_ptr<FileHold> hold)
{
    if (!isNoteName(name)) return Error::NotFound;
    const fs::path path = fs::path(player_) / name;
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) return writeFailure(errno);
    // The lock goes only while held, after its note: whoever takes it later
    // finds no note to act on.
    // A save of it that a kill cut short left its temporary: no save of it
    // can be under way while its lock is held.
    if (hold) {
        removeStaleTemporaries(path, std::chrono::minutes(0));
        ::unlink(lockPathOf(name).c_str());
    }
    syncFolder(path.parent_path());
    return Error::None;
}
