// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/Files.h"

#include "platform/LineSplitter.h"
#include "platform/Utf8Text.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <unistd.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

struct FileCloser {
    int fd;
    ~FileCloser() { ::close(fd); }
};

// The file from this offset on is UTF-8 to its end (its first byte is above
// ASCII, so it holds a multi-byte sequence). Stops at the first byte that
// says no, which in a code page 1252 file is the first accented letter.
bool restIsUtf8(int fd, off_t from)
{
    Utf8Check check;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::pread(fd, buf, sizeof buf, from);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return check.whole();
        if (!check.feed(std::string_view(buf, static_cast<size_t>(n)))) return false;
        from += n;
    }
}

bool caseEqual(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string lowered(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A write that failed for want of room, blocks or inodes, or of quota, says so.
Error writeFailure(int err) { return err == ENOSPC || err == EDQUOT ? Error::DiskFull : Error::Unwritable; }

// A sticky folder that anyone may write, like /tmp: there a name may have
// been planted by another user.
bool sharedSticky(const struct stat& folder)
{
    return (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
}

// The rule the kernel applies to links when fs.protected_symlinks is on:
// in a sticky folder that anyone may write, a link is followed only when it
// belongs to the one who follows it or to the folder's owner. The game
// resolves links itself, so it applies the rule itself, whatever the
// system's setting.
bool linkMayBeFollowed(const fs::path& link, const struct stat& linkStat)
{
    if (linkStat.st_uid == ::geteuid()) return true;
    struct stat folder {};
    const fs::path parent = link.parent_path();
    if (::stat(parent.empty() ? "." : parent.c_str(), &folder) != 0) return false;
    return !sharedSticky(folder) || folder.st_uid == linkStat.st_uid;
}

// ForeignLink for a link the kernel's rule would not follow, else None.
Error followable(const fs::path& p)
{
    struct stat st {};
    if (::lstat(p.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && !linkMayBeFollowed(p, st))
        return Error::ForeignLink;
    return Error::None;
}

// A save into a file it cannot replace (see DiskFiles::rewrite) first puts
// the whole new text here, beside the file; while it is there, it is the
// file's content.
fs::path journalOf(const fs::path& target)
{
    return target.parent_path() / ("." + target.filename().string() + ".journal");
}

// A journal counts only where no stranger could have planted it: a regular
// file (not a link), in a folder that is not sticky and open to all, or
// else one of ours or of the file's owner or the folder's.
bool trustedJournal(const fs::path& journal, uid_t targetOwner)
{
    struct stat j {}, folder {};
    if (::lstat(journal.c_str(), &j) != 0 || !S_ISREG(j.st_mode)) return false;
    if (::stat(journal.parent_path().c_str(), &folder) != 0) return false;
    return !sharedSticky(folder) || j.st_uid == ::geteuid() || j.st_uid == targetOwner ||
           j.st_uid == folder.st_uid;
}

// The first max + 1 bytes of an open file at most.
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

// The entry of this folder whose name matches in any case, or an empty path.
fs::path findIn(const std::string& folder, const std::string& name)
{
    std::error_code ec;
    fs::path exact = fs::path(folder) / name;
    if (fs::exists(exact, ec)) return exact;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (caseEqual(it->path().filename().string(), name)) return it->path();
    }
    return {};
}

} // namespace

bool inGameShape(std::string_view text)
{
    if (text.size() < 2 || text.substr(text.size() - 2) != "\r\n") return false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
    }
    return true;
}

void splitLines(std::string_view text, const std::function<bool(std::string_view)>& line,
                size_t maxLine, FileKind kind)
{
    LineSplitter s(line, maxLine);
    // The game's own files in the shape it writes them are its own bytes:
    // a name like "\xC3\xA9" is two letters of the code page, not one in UTF-8.
    // The editors that save UTF-8 on Linux end their lines in LF alone.
    const bool own = kind == FileKind::Own && inGameShape(text);
    if (!own && readsAsUtf8(text)) {
        const std::string converted = utf8ToCp1252(text);
        if (s.feed(converted)) s.finish();
    } else if (s.feed(text)) {
        s.finish();
    }
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
    splitLines(head.substr(0, end), [&](std::string_view l) { return line(l) || (stopped = true, false); },
               maxLine, FileKind::Own);
    return stopped ? Error::None : Error::FileTooLarge;
}

DiskFiles::DiskFiles(std::string folder) : data_(folder), player_(std::move(folder)) {}

DiskFiles::DiskFiles(std::string dataFolder, std::string playerFolder)
    : data_(std::move(dataFolder)), player_(std::move(playerFolder))
{
}

namespace {

// This one of two found files was saved after the other (a folder or
// anything else that is not a file does not count).
bool savedLater(const fs::path& a, const fs::path& b)
{
    struct stat sa {}, sb {};
    if (::stat(a.c_str(), &sa) != 0 || !S_ISREG(sa.st_mode)) return false;
    if (::stat(b.c_str(), &sb) != 0 || !S_ISREG(sb.st_mode)) return true;
    return sa.st_mtim.tv_sec != sb.st_mtim.tv_sec ? sa.st_mtim.tv_sec > sb.st_mtim.tv_sec
                                                   : sa.st_mtim.tv_nsec > sb.st_mtim.tv_nsec;
}

} // namespace

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
    return fs::is_directory(player_, ec);
}

bool DiskFiles::exists(const std::string& name)
{
    if (name.empty() || name[0] == '.') return false;
    std::error_code ec;
    fs::path p = resolve(name);
    return fs::is_regular_file(p, ec);
}

Error DiskFiles::readLines(const std::string& name,
                               const std::function<bool(std::string_view)>& line, size_t maxLine,
                               FileKind kind)
{
    if (!exists(name)) return Error::NotFound;
    const fs::path path = resolve(name);
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
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Error::Unreadable;
    const FileCloser closer{fd};
    LineSplitter splitter(line, maxLine);
    // Until the first byte above ASCII both readings agree; there it is
    // decided, from the rest of the file, whether it is UTF-8.
    bool decided = false;
    std::optional<Utf8ToCp1252> utf8;
    off_t offset = 0;
    std::string converted;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Error::Unreadable;
        if (n == 0) break;
        std::string_view chunk(buf, static_cast<size_t>(n));
        if (!decided) {
            const size_t ascii = asciiPrefix(chunk);
            if (ascii < chunk.size()) {
                decided = true;
                if (!splitter.feed(chunk.substr(0, ascii))) return Error::None;
                chunk.remove_prefix(ascii);
                const off_t from = offset + static_cast<off_t>(ascii);
                if (restIsUtf8(fd, from)) utf8.emplace(from == 0);
            }
        }
        offset += n;
        if (utf8) {
            converted.clear();
            utf8->feed(chunk, converted);
            chunk = converted;
        }
        if (!splitter.feed(chunk)) return Error::None;
    }
    splitter.finish();
    return Error::None;
}

Error DiskFiles::readOwnFile(const fs::path& path, const std::function<bool(std::string_view)>& line,
                             size_t maxLine)
{
    // A save that was writing the file in place when it stopped left its
    // whole text in the journal: that is the file's content.
    std::error_code ec;
    const fs::path real = fs::is_symlink(path, ec) ? fs::weakly_canonical(path, ec) : path;
    struct stat target {};
    int fd = -1;
    if (::stat(real.c_str(), &target) == 0 && trustedJournal(journalOf(real), target.st_uid))
        fd = ::open(journalOf(real).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Error::Unreadable;
    const FileCloser closer{fd};
    std::string head;
    if (!readCapped(fd, OwnFileMax, head)) return Error::Unreadable;
    return splitOwnFile(head, line, maxLine);
}

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
Error finishInterruptedSave(const fs::path& target, uid_t owner)
{
    const fs::path journal = journalOf(target);
    if (!trustedJournal(journal, owner)) return Error::None;
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
    std::error_code ec;
    if (!makePlayerFolder()) return writeFailure(errno);
    const fs::path named = writeTarget(name);
    // A link the player made stays a link: the save goes to the file it
    // points at, in that file's folder. A link another user planted in a
    // folder open to all is not followed, as the kernel would not.
    fs::path target = named;
    struct stat linkStat {};
    if (::lstat(named.c_str(), &linkStat) == 0 && S_ISLNK(linkStat.st_mode)) {
        if (!linkMayBeFollowed(named, linkStat)) return Error::ForeignLink;
        // Read by hand, so a link to a file not made yet leads to it too.
        fs::path to = fs::read_symlink(named, ec);
        if (ec) return Error::Unwritable;
        target = fs::weakly_canonical(to.is_relative() ? named.parent_path() / to : to, ec);
        if (ec) return Error::Unwritable;
    }
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (!existed && errno != ENOENT) return Error::Unwritable;
    if (existed) {
        if (!S_ISREG(old.st_mode)) return Error::Unwritable;
        // A file the player made read-only stays as it is. The mode bits
        // count even for an owner the system would let write.
        if ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) return Error::Unwritable;
        if (const Error e = finishInterruptedSave(target, old.st_uid); e != Error::None) return e;
    }

    std::string tmpName = target.string() + ".tmp-XXXXXX";
    int fd = mkostemp(tmpName.data(), O_CLOEXEC);
    if (fd < 0) return writeFailure(errno);
    std::string text;
    for (const auto& l : lines) {
        text += l;
        text += "\r\n";
    }
    int err = writeAll(fd, text) && ::fsync(fd) == 0 ? 0 : errno;
    bool inPlace = false;
    if (existed) {
        // The new file takes the old one's owner and group where it may, so a
        // file shared with a group or kept private stays so; where it may
        // not, the file is written in place.
        struct stat made {};
        if (::fstat(fd, &made) != 0 || made.st_uid != old.st_uid || made.st_gid != old.st_gid)
            inPlace = ::fchown(fd, old.st_uid, old.st_gid) != 0;
        inPlace = inPlace || old.st_nlink > 1;
        // As a journal it is read by whoever may read the file; never run.
        if (err == 0 && ::fchmod(fd, old.st_mode & (inPlace ? 0666 : 07777)) != 0) err = errno;
    } else {
        // The permissions an ordinary new file would get.
        mode_t mask = ::umask(0);
        ::umask(mask);
        if (err == 0 && ::fchmod(fd, 0666 & ~mask) != 0) err = errno;
    }
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

int DiskFiles::takeLock(const std::string& name, bool create, Error& error)
{
    // The lock is a hidden file beside the player's file, one name for the
    // file in any case. It is never removed: a copy that removed it could
    // leave two copies holding locks on two different files. A copy that
    // crashed loses its lock with its life, so a stale lock is simply taken.
    // A link in its place is not followed.
    error = Error::None;
    const fs::path lockPath = fs::path(player_) / ("." + lowered(name) + ".lock");
    int fd = -1;
    if (create && makePlayerFolder())
        fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) fd = ::open(lockPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return -1;

    const auto deadline = std::chrono::steady_clock::now() + lockWait_;
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

std::string DiskFiles::pathOf(const std::string& name) { return exists(name) ? resolve(name) : std::string(); }

// A save cut short by a crash leaves its temporary file behind; the next save
// clears those that are clearly not another save still under way.
void DiskFiles::removeStaleTemporaries(const std::filesystem::path& target)
{
    const std::string prefix = target.filename().string() + ".tmp-";
    const auto cutoff = fs::file_time_type::clock::now() - std::chrono::minutes(1);
    std::error_code ec;
    for (fs::directory_iterator it(target.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code ignored;
        if (name.rfind(prefix, 0) == 0 && it->is_regular_file(ignored) &&
            fs::last_write_time(it->path(), ignored) < cutoff)
            fs::remove(it->path(), ignored);
    }
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
