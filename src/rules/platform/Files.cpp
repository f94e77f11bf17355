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

void splitLines(std::string_view text, const std::function<bool(std::string_view)>& line,
                size_t maxLine)
{
    LineSplitter s(line, maxLine);
    if (readsAsUtf8(text)) {
        const std::string converted = utf8ToCp1252(text);
        if (s.feed(converted)) s.finish();
    } else if (s.feed(text)) {
        s.finish();
    }
}

DiskFiles::DiskFiles(std::string folder) : data_(folder), player_(std::move(folder)) {}

DiskFiles::DiskFiles(std::string dataFolder, std::string playerFolder)
    : data_(std::move(dataFolder)), player_(std::move(playerFolder))
{
}

std::string DiskFiles::resolve(const std::string& name) const
{
    if (fs::path p = findIn(player_, name); !p.empty()) return p.string();
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
        if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) return false;
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
                               const std::function<bool(std::string_view)>& line, size_t maxLine)
{
    if (!exists(name)) return Error::NotFound;
    const int fd = ::open(resolve(name).c_str(), O_RDONLY | O_CLOEXEC);
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

} // namespace

Error DiskFiles::rewrite(const std::string& name, const std::vector<std::string>& lines)
{
    std::error_code ec;
    if (!makePlayerFolder()) return Error::Unwritable;
    const fs::path named = writeTarget(name);
    // A link the player made stays a link: the save goes to the file it
    // points at, in that file's folder.
    fs::path target = named;
    if (fs::is_symlink(named, ec)) {
        target = fs::weakly_canonical(named, ec);
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
    }

    std::string tmpName = target.string() + ".tmp-XXXXXX";
    int fd = mkostemp(tmpName.data(), O_CLOEXEC);
    if (fd < 0) return Error::Unwritable;
    std::string text;
    for (const auto& l : lines) {
        text += l;
        text += "\r\n";
    }
    bool ok = writeAll(fd, text) && ::fsync(fd) == 0;
    if (existed) {
        // The new file takes the old one's owner and mode, so a file shared
        // with a group or kept private stays so.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
                // Not allowed to give it away: the mode below still holds.
            }
        }
        ok = ok && ::fchmod(fd, old.st_mode & 07777) == 0;
    } else {
        // The permissions an ordinary new file would get.
        mode_t mask = ::umask(0);
        ::umask(mask);
        ok = ok && ::fchmod(fd, 0666 & ~mask) == 0;
    }
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = ::rename(tmpName.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tmpName.c_str());
        return Error::Unwritable;
    }
    removeStaleTemporaries(target);
    return syncFolder(target.parent_path()) ? Error::None : Error::Unwritable;
}

Error DiskFiles::underLock(const std::string& name, const std::function<Error()>& step)
{
    // The lock is a hidden file beside the player's file, one name for the
    // file in any case. It is never removed: a copy that removed it could
    // leave two copies holding locks on two different files. A copy that
    // crashed loses its lock with its life, so a stale lock is simply taken.
    int fd = -1;
    if (makePlayerFolder()) {
        std::string lower = name;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const fs::path lockPath = fs::path(player_) / ("." + lower + ".lock");
        fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0) fd = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC);
    }
    // Without a lock file the folder takes no file, so nothing can be
    // saved there to race with: the step runs, and its save fails.
    if (fd < 0) return step();

    const auto deadline = std::chrono::steady_clock::now() + lockWait_;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) {
            // A file system without locks: as good as it gets.
            ::close(fd);
            return step();
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            return Error::Busy;
        }
        ::usleep(5000);
    }
    const FileCloser closer{fd}; // closing releases the lock, also if the step throws
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
    if (fs::exists(p, ec)) return Error::Unwritable;
    if (!makePlayerFolder()) return Error::Unwritable;
    int fd = ::open(p.c_str(), O_WRONLY | O_CREAT, 0666);
    if (fd < 0) return Error::Unwritable;
    ::close(fd);
    return Error::None;
}
