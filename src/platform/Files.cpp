#include "platform/Files.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Cuts a stream of bytes into lines: CR, CR LF and lone LF end a line.
class LineSplitter {
public:
    LineSplitter(const std::function<bool(std::string_view)>& out, size_t maxLine)
        : out_(out), max_(maxLine) {}

    // Returns false once the reader asked to stop.
    bool feed(std::string_view chunk)
    {
        size_t i = 0;
        while (i < chunk.size()) {
            if (afterCr_) {
                afterCr_ = false;
                if (chunk[i] == '\n') {
                    ++i;
                    continue;
                }
            }
            // Take the run up to the next line end in one piece.
            size_t end = i;
            while (end < chunk.size() && chunk[end] != '\r' && chunk[end] != '\n') ++end;
            if (end < chunk.size() && line_.empty()) {
                // The whole line lies in this chunk: hand it over without a copy.
                afterCr_ = chunk[end] == '\r';
                bool go = out_(chunk.substr(i, std::min(end - i, max_)));
                open_ = false;
                i = end + 1;
                if (!go) return false;
                continue;
            }
            if (end > i) {
                if (line_.size() < max_) line_.append(chunk.substr(i, std::min(end - i, max_ - line_.size())));
                open_ = true;
            }
            if (end == chunk.size()) break;
            afterCr_ = chunk[end] == '\r';
            i = end + 1;
            if (!emit()) return false;
        }
        return true;
    }
    void finish()
    {
        if (open_) emit();
    }

private:
    bool emit()
    {
        open_ = false;
        bool go = out_(line_);
        line_.clear();
        return go;
    }
    const std::function<bool(std::string_view)>& out_;
    size_t max_;
    std::string line_;
    bool afterCr_ = false;
    bool open_ = false;
};

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
    if (s.feed(text)) s.finish();
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
    std::ifstream in(resolve(name), std::ios::binary);
    if (!in) return Error::Unreadable;
    LineSplitter splitter(line, maxLine);
    char buf[65536];
    while (in) {
        in.read(buf, sizeof buf);
        std::streamsize n = in.gcount();
        if (n <= 0) break;
        if (!splitter.feed(std::string_view(buf, static_cast<size_t>(n)))) return Error::None;
    }
    if (in.bad()) return Error::Unreadable;
    splitter.finish();
    return Error::None;
}

Error DiskFiles::rewrite(const std::string& name, const std::vector<std::string>& lines)
{
    std::error_code ec;
    if (!makePlayerFolder()) return Error::Unwritable;
    fs::path target = writeTarget(name);
    if (fs::is_directory(target, ec)) return Error::Unwritable;
    std::string tmpName = target.string() + ".tmp-XXXXXX";
    int fd = mkstemp(tmpName.data());
    if (fd < 0) return Error::Unwritable;
    std::string text;
    for (const auto& l : lines) {
        text += l;
        text += "\r\n";
    }
    const char* p = text.data();
    size_t left = text.size();
    bool ok = true;
    while (left > 0) {
        ssize_t w = ::write(fd, p, left);
        if (w < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        p += w;
        left -= static_cast<size_t>(w);
    }
    ok = ok && ::fsync(fd) == 0;
    // Keep the permissions an ordinary new file would get.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = ::rename(tmpName.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tmpName.c_str());
        return Error::Unwritable;
    }
    removeStaleTemporaries(target);
    return Error::None;
}

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
