// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Reading and saving the player's files on Windows, with the same promises
// as on POSIX: a save replaces the file whole (a temporary file beside it,
// flushed, then ReplaceFileW or MoveFileExW with write-through), copies of
// the game take turns through LockFileEx on one lock file, a name found in
// any case is used as spelt on disk, and a reparse point (a link, a
// junction) is refused: the game never makes one.
#include "platform/Files.h"

#include "platform/FilesWindows.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>

namespace fs = std::filesystem;

std::wstring widened(const std::string& path)
{
    if (path.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), w.data(), n);
    return w;
}

std::string narrowed(const std::wstring& path)
{
    if (path.empty()) return {};
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), s.data(), n, nullptr, nullptr);
    return s;
}

namespace {

struct Handle {
    HANDLE h = INVALID_HANDLE_VALUE;
    ~Handle()
    {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
    bool ok() const { return h != INVALID_HANDLE_VALUE; }
};

std::string lowered(std::string s)
{
    for (char& c : s) c = asciiLower(c);
    return s;
}

std::wstring joined(const std::string& folder, const std::string& name)
{
    std::wstring w = widened(folder);
    if (!w.empty() && w.back() != L'/' && w.back() != L'\\') w += L'\\';
    return w + widened(name);
}

DWORD attributesOf(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str());
}

bool isFolder(DWORD a)
{
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

// A failed write that ran out of room says so; so does one that met a file
// where a folder of its path should be.
Error writeFailure(DWORD err)
{
    if (err == ERROR_DISK_FULL || err == ERROR_HANDLE_DISK_FULL) return Error::DiskFull;
    if (err == ERROR_PATH_NOT_FOUND || err == ERROR_DIRECTORY) return Error::NotAFolder;
    return Error::Unwritable;
}

// The entry of this folder whose name matches in any case, spelt as it is
// on disk; the system would find it under any spelling, and then report the
// spelling asked for.
std::wstring findIn(const std::string& folder, const std::string& name)
{
    WIN32_FIND_DATAW found;
    const HANDLE h = FindFirstFileW(joined(folder, "*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::wstring result;
    do {
        if (sameFileName(narrowed(found.cFileName), name)) {
            result = joined(folder, narrowed(found.cFileName));
            break;
        }
    } while (FindNextFileW(h, &found));
    FindClose(h);
    return result;
}

bool plainFile(HANDLE h)
{
    BY_HANDLE_FILE_INFORMATION info;
    return GetFileType(h) == FILE_TYPE_DISK && GetFileInformationByHandle(h, &info) &&
           !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool readCapped(HANDLE h, size_t max, std::string& text)
{
    text.clear();
    char buf[65536];
    while (text.size() <= max) {
        DWORD n = 0;
        const DWORD want = static_cast<DWORD>(std::min(sizeof buf, max + 1 - text.size()));
        if (!ReadFile(h, buf, want, &n, nullptr)) return false;
        if (n == 0) break;
        text.append(buf, n);
    }
    return true;
}

bool savedLater(const std::wstring& a, const std::wstring& b)
{
    WIN32_FILE_ATTRIBUTE_DATA da, db;
    if (!GetFileAttributesExW(a.c_str(), GetFileExInfoStandard, &da) ||
        (da.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    if (!GetFileAttributesExW(b.c_str(), GetFileExInfoStandard, &db) ||
        (db.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return true;
    return CompareFileTime(&da.ftLastWriteTime, &db.ftLastWriteTime) > 0;
}

} // namespace

bool folderTakesFiles(const std::string& folder)
{
    const std::wstring probe = joined(folder, ".parolix-probe-" + std::to_string(GetCurrentProcessId()));
    const HANDLE h = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
}

bool holdsEntry(const std::string& folder, const std::string& name)
{
    const std::wstring p = findIn(folder, name);
    if (p.empty()) return false;
    const DWORD a = attributesOf(p);
    return a == INVALID_FILE_ATTRIBUTES || !(a & FILE_ATTRIBUTE_DIRECTORY) || (a & FILE_ATTRIBUTE_REPARSE_POINT);
}

std::filesystem::path nativePath(const std::string& path)
{
    return widened(path);
}

std::string gamePath(const std::filesystem::path& path)
{
    return narrowed(path.wstring());
}

std::string DiskFiles::resolve(const std::string& name) const
{
    std::wstring mine = findIn(player_, name);
    if (!other_.empty() && other_ != player_) {
        const std::wstring theirs = findIn(other_, name);
        if (!theirs.empty() && (mine.empty() || savedLater(theirs, mine))) mine = theirs;
    }
    if (!mine.empty()) return narrowed(mine);
    if (data_ != player_)
        if (std::wstring p = findIn(data_, name); !p.empty()) return narrowed(p);
    return narrowed(joined(player_, name));
}

fs::path DiskFiles::writeTarget(const std::string& name) const
{
    const std::wstring p = findIn(player_, name);
    return p.empty() ? fs::path(joined(player_, name)) : fs::path(p);
}

bool DiskFiles::makePlayerFolder() const
{
    const std::wstring whole = widened(player_);
    if (isFolder(attributesOf(whole))) return true;
    std::wstring made;
    for (size_t i = 0; i <= whole.size(); ++i) {
        if (i < whole.size() && whole[i] != L'/' && whole[i] != L'\\') continue;
        made = whole.substr(0, i);
        if (made.empty() || made.back() == L':' || isFolder(attributesOf(made))) continue;
        if (!CreateDirectoryW(made.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
            // Windows says "not found" for a folder under a file.
            const DWORD a = attributesOf(made);
            SetLastError(a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY) ? ERROR_DIRECTORY
                                                                                         : GetLastError());
            return false;
        }
    }
    if (isFolder(attributesOf(whole))) return true;
    SetLastError(ERROR_DIRECTORY);
    return false;
}

bool DiskFiles::exists(const std::string& name)
{
    if (name.empty() || name[0] == '.') return false;
    const DWORD a = attributesOf(widened(resolve(name)));
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {

// The lock of a file: a hidden file beside it, one name for the file in any
// case, never removed. A copy that ends loses its lock with its handle.
// Gives the handle holding the lock, or none with busy set when another copy
// kept it past the wait, or none at all where no lock can be taken.
HANDLE lockFile(const std::string& folder, const std::string& name, bool create, std::chrono::milliseconds wait,
                Error& busy)
{
    busy = Error::None;
    const std::wstring path = joined(folder, "." + lowered(name) + ".lock");
    const DWORD a = attributesOf(path);
    if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_REPARSE_POINT)) return INVALID_HANDLE_VALUE;
    // Shared for deleting: a note's lock goes while it is held, as on POSIX.
    HANDLE h =
        CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, create ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (h == INVALID_HANDLE_VALUE) return h;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        OVERLAPPED at = {};
        if (LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) return h;
        if (GetLastError() != ERROR_LOCK_VIOLATION && GetLastError() != ERROR_IO_PENDING) break;
        if (std::chrono::steady_clock::now() >= deadline) {
            busy = Error::Busy;
            break;
        }
        Sleep(5);
    }
    CloseHandle(h);
    return INVALID_HANDLE_VALUE;
}

Error readFile(const std::wstring& path, const std::function<bool(std::string_view)>& line, size_t maxLine,
               FileKind kind)
{
    Handle file;
    file.h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (!file.ok()) return Error::Unreadable;
    if (!plainFile(file.h)) return Error::NotAFile;
    std::string head;
    if (!readCapped(file.h, kind == FileKind::Own ? OwnFileMax : DataFileMax, head)) return Error::Unreadable;
    return kind == FileKind::Own ? splitOwnFile(head, line, maxLine) : splitDataFile(head, line, maxLine);
}

} // namespace

Error DiskFiles::readLines(const std::string& name, const std::function<bool(std::string_view)>& line, size_t maxLine,
                           FileKind kind)
{
    if (name.empty() || name[0] == '.') return Error::NotFound;
    const std::wstring path = widened(resolve(name));
    const DWORD a = attributesOf(path);
    if (a == INVALID_FILE_ATTRIBUTES || (a & FILE_ATTRIBUTE_DIRECTORY)) return Error::NotFound;
    if (a & FILE_ATTRIBUTE_REPARSE_POINT) return Error::ForeignLink;
    Handle lock;
    if (kind == FileKind::Own && heldLock_ != lowered(name)) {
        // Read while no save of another copy is under way; a lock that stays
        // taken is not waited for again.
        Error busy = Error::None;
        lock.h = lockFile(player_, name, false, lockWait_, busy);
    }
    return readFile(path, line, maxLine, kind);
}

Error DiskFiles::readOwnFile(const fs::path&, const std::function<bool(std::string_view)>&, size_t)
{
    return Error::Unreadable; // no journal on Windows: readLines reads the file
}

// The usual POSIX save and the same promise: the new text goes to a
// temporary file beside the old one, flushed to the disk, and takes the old
// one's place in one step; a crash leaves the old file or the new, whole.
Error DiskFiles::rewrite(const std::string& name, const std::vector<std::string>& lines)
{
    if (!makePlayerFolder()) return writeFailure(GetLastError());
    const std::wstring target = writeTarget(name).wstring();
    const DWORD a = attributesOf(target);
    const bool old = a != INVALID_FILE_ATTRIBUTES;
    if (old && (a & FILE_ATTRIBUTE_REPARSE_POINT)) return Error::ForeignLink;
    // A read-only file keeps its bytes: the player made it so.
    if (old && (a & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) return Error::Unwritable;

    std::string text;
    for (const auto& l : lines) {
        text += l;
        text += "\r\n";
    }
    const std::wstring tmp =
        target + L".tmp-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64());
    DWORD err = 0;
    {
        Handle file;
        file.h = CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
        if (!file.ok()) return writeFailure(GetLastError());
        DWORD written = 0;
        if (!WriteFile(file.h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
            written != text.size() || !FlushFileBuffers(file.h))
            err = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
    }
    if (err == 0) {
        // ReplaceFileW keeps the old file's attributes and ACL; MoveFileExW
        // serves where it cannot (no old file, a file system without it).
        const bool replaced = old && ReplaceFileW(target.c_str(), tmp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                                  nullptr, nullptr);
        if (!replaced && !MoveFileExW(tmp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            err = GetLastError();
    }
    if (err != 0) {
        DeleteFileW(tmp.c_str());
        return writeFailure(err);
    }
    removeStaleTemporaries(fs::path(target));
    return Error::None;
}

Error DiskFiles::underLock(const std::string& name, const std::function<Error()>& step)
{
    Error busy = Error::None;
    Handle lock;
    if (makePlayerFolder()) lock.h = lockFile(player_, name, true, lockWait_, busy);
    if (busy != Error::None) return busy;
    if (!lock.ok()) return step();
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
    const DWORD found = attributesOf(widened(resolve(name)));
    if (found != INVALID_FILE_ATTRIBUTES && !(found & FILE_ATTRIBUTE_DIRECTORY)) return Error::None;
    const std::wstring p = writeTarget(name).wstring();
    if (attributesOf(p) != INVALID_FILE_ATTRIBUTES) return Error::Unwritable;
    if (!makePlayerFolder()) return writeFailure(GetLastError());
    const HANDLE h = CreateFileW(p.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_EXISTS ? Error::None : writeFailure(GetLastError());
    CloseHandle(h);
    return Error::None;
}

// ---------------------------------------------------------------- notes

namespace {

struct LockHold final : FileHold {
    explicit LockHold(HANDLE h) : h(h) {}
    ~LockHold() override { CloseHandle(h); }
    HANDLE h;
};

} // namespace

Error DiskFiles::readNote(const std::string& name, const std::function<bool(std::string_view)>& line)
{
    if (!isNoteName(name)) return Error::NotFound;
    const std::wstring path = joined(player_, name);
    const DWORD a = attributesOf(path);
    if (a == INVALID_FILE_ATTRIBUTES) return Error::NotFound;
    // A note is the game's own plain file: a link or a folder in its place is not read.
    if (a & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) return Error::NotAFile;
    return readFile(path, line, 4096, FileKind::Own);
}

Error DiskFiles::holdNote(const std::string& name, bool create, std::unique_ptr<FileHold>& hold)
{
    hold.reset();
    if (!isNoteName(name)) return Error::NotFound;
    Error busy = Error::None;
    const HANDLE h = (!create || makePlayerFolder())
                         ? lockFile(player_, name, create, std::chrono::milliseconds(0), busy)
                         : INVALID_HANDLE_VALUE;
    if (busy != Error::None) return busy;
    if (h == INVALID_HANDLE_VALUE)
        return attributesOf(joined(player_, "." + lowered(name) + ".lock")) != INVALID_FILE_ATTRIBUTES
                   ? Error::None
                   : Error::NotFound;
    hold = std::make_unique<LockHold>(h);
    return Error::None;
}

Error DiskFiles::removeNote(const std::string& name, std::unique_ptr<FileHold> hold)
{
    if (!isNoteName(name)) return Error::NotFound;
    if (!DeleteFileW(joined(player_, name).c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
        return writeFailure(GetLastError());
    // The lock goes only while held, after its note: whoever takes it later
    // finds no note to act on.
    // A save of it that a kill cut short left its temporary: no save of it
    // can be under way while its lock is held.
    if (hold) {
        removeStaleTemporaries(fs::path(joined(player_, name)), std::chrono::minutes(0));
        DeleteFileW(joined(player_, "." + lowered(name) + ".lock").c_str());
    }
    return Error::None;
}
