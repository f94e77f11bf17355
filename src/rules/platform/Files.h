// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The game's files, addressed by bare names. Names are matched without regard
// to case, text is one byte per character (code page 1252) and lines end in
// CR LF.

#include "platform/Result.h"

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A lock a process keeps for as long as this lives; its end releases it.
class FileHold {
public:
    virtual ~FileHold() = default;
};

// Who writes a file. The settings and the records file are the game's own:
// it writes them in its code page, with CR LF, and they stay small. Data
// files (the word list) come from elsewhere.
enum class FileKind { Data, Own };

// The game writes its own files in a few hundred bytes. Of one of them only
// the lines used that end within this many bytes are read; a reader that
// wants lines past it finds the file damaged (FileTooLarge), and the bytes
// beyond are never read, however large the file (a sparse file of 16 GB).
inline constexpr size_t OwnFileMax = 1 << 20;
// A data file from elsewhere is read whole, once, within this many bytes:
// the game's word list is 5 KB, and a file larger than this is no list of
// ours. It is refused (FileTooLarge) from its first bytes, however large the
// file (a sparse file of 16 GB).
inline constexpr size_t DataFileMax = 1 << 20;

class Files {
public:
    virtual ~Files() = default;

    // A regular file of this name, in any case, exists (directories count as
    // absent, and so do hidden files).
    virtual bool exists(const std::string& name) = 0;

    // Reads the file line by line. A line ends at CR, with or without LF after
    // it, or at a lone LF; the end of the file ends the last line and a final
    // line end adds no empty line. Lines longer than maxLine are cut there.
    // A file that is wholly UTF-8 with a multi-byte sequence in it (as a
    // Linux editor saves it) is handed over in code page 1252, a character
    // the code page lacks as '?'; any other file byte for byte. One of the
    // game's own files that has the shape the game writes (every line ended
    // by CR LF) is always read byte for byte, so a name whose code page
    // bytes happen to spell UTF-8 reads back as written; and one whose lines
    // wanted do not end within OwnFileMax bytes gives FileTooLarge. A data
    // file larger than DataFileMax gives FileTooLarge and no line at all.
    // The callback returns false to stop reading.
    virtual Error readLines(const std::string& name, const std::function<bool(std::string_view)>& line,
                            size_t maxLine = 4096, FileKind kind = FileKind::Data) = 0;

    // Replaces the whole file with these lines, each ended by CR LF. The text
    // goes to a temporary file first, which takes the old file's place only
    // when complete, so a failure leaves the old file as it was. A file that
    // another player owns, or that has further hard links, keeps its owner,
    // group, mode and links (see DiskFiles::rewrite). Gives DiskFull when the
    // disk has no room or no inodes left, ForeignLink for a link that
    // another user may have planted (see linkMayBeFollowed).
    virtual Error rewrite(const std::string& name, const std::vector<std::string>& lines) = 0;

    // Creates the file empty when it does not exist yet.
    virtual Error touch(const std::string& name) = 0;

    // Runs `step` (reads and rewrites of this file) as one step that another
    // copy of the game cannot split: it holds the file's lock meanwhile.
    // Gives Busy, without running the step, when the lock stays taken for
    // longer than a couple of seconds; otherwise what the step gives.
    virtual Error underLock(const std::string& name, const std::function<Error()>& step) = 0;

    // The path to hand to the desktop for an existing file, spelt as it
    // really is on disk; empty when there is no such file.
    virtual std::string pathOf(const std::string& name) = 0;

    // The game's hidden notes beside its records in the player's folder,
    // named as given (a leading dot keeps them out of a player's sight and
    // out of every other call here). Written whole or not at all, as
    // rewrite writes; read as one of the game's own files. A store that
    // keeps no notes gives NotFound and nothing.
    virtual Error rewriteNote(const std::string&, const std::vector<std::string>&) { return Error::NotFound; }
    virtual Error readNote(const std::string&, const std::function<bool(std::string_view)>&) { return Error::NotFound; }
    virtual std::vector<std::string> notesStartingWith(const std::string&) { return {}; }
    // Takes the note's own lock at once, kept while `hold` lives: Busy when
    // a running process holds it. With `create` false a note whose lock
    // file is missing gives NotFound. Without locks on the file system,
    // None and no hold.
    virtual Error holdNote(const std::string&, bool, std::unique_ptr<FileHold>& hold)
    {
        hold.reset();
        return Error::NotFound;
    }
    // Removes the note and, when given its hold, its lock file too.
    virtual Error removeNote(const std::string&, std::unique_ptr<FileHold> = nullptr) { return Error::NotFound; }
};

// A path as the game holds it (the file system's own bytes on POSIX, UTF-8
// on Windows) for the streams and std::filesystem.
std::filesystem::path nativePath(const std::string& path);
std::string gamePath(const std::filesystem::path& path);

// Files on disk. Reads look in the player's folder first and then in the
// data folder, so a file the player keeps wins over a shipped one; writes go
// to the player's folder, which is made on first need. With one folder for
// both, everything stays in that folder.
class DiskFiles : public Files {
public:
    explicit DiskFiles(std::string folder);
    DiskFiles(std::string dataFolder, std::string playerFolder);
    bool exists(const std::string& name) override;
    Error readLines(const std::string& name, const std::function<bool(std::string_view)>& line, size_t maxLine = 4096,
                    FileKind kind = FileKind::Data) override;
    Error rewrite(const std::string& name, const std::vector<std::string>& lines) override;
    Error touch(const std::string& name) override;
    Error underLock(const std::string& name, const std::function<Error()>& step) override;
    std::string pathOf(const std::string& name) override;
    Error rewriteNote(const std::string& name, const std::vector<std::string>& lines) override;
    Error readNote(const std::string& name, const std::function<bool(std::string_view)>& line) override;
    std::vector<std::string> notesStartingWith(const std::string& prefix) override;
    Error holdNote(const std::string& name, bool create, std::unique_ptr<FileHold>& hold) override;
    Error removeNote(const std::string& name, std::unique_ptr<FileHold> hold = nullptr) override;

    // How long a save waits for another copy's lock before it gives up.
    void setLockWait(std::chrono::milliseconds wait) { lockWait_ = wait; }

    // The path of the existing file whose name matches in any case, in the
    // player's folder or else the data folder; or the path in the player's
    // folder with the name as given when there is none.
    std::string resolve(const std::string& name) const;

    // A second folder where a portable copy may have kept the player's
    // files (the player's data folder while the program folder was
    // read-only, or the program folder while it could be written). Of a
    // file found in both, the one saved last is read.
    void setOtherPlayerFolder(std::string folder) { other_ = std::move(folder); }

private:
    // Where a save of this name goes: the player's file of that name in any
    // case, or a new one spelt as given.
    std::filesystem::path writeTarget(const std::string& name) const;
    bool makePlayerFolder() const;
    // Those older than `age`; all of them when their file's lock is held.
    void removeStaleTemporaries(const std::filesystem::path& target,
                                std::chrono::minutes age = std::chrono::minutes(1));
    // The lock of this name's file, taken for as long as the result lives;
    // -1 when there is none to take.
    int takeLock(const std::string& name, bool create, Error& error);
    int takeLock(const std::string& name, bool create, Error& error, std::chrono::milliseconds wait);
    std::filesystem::path lockPathOf(const std::string& name) const;
    Error readOwnFile(const std::filesystem::path& path, const std::function<bool(std::string_view)>& line,
                      size_t maxLine);
    std::string data_;
    std::string player_;
    std::string other_;
    std::string heldLock_; // the lock this object holds while a step runs
    std::chrono::milliseconds lockWait_{2000};
};

// Splits text into lines the way readLines does; shared with the in-memory
// test double so both read alike.
void splitLines(std::string_view text, const std::function<bool(std::string_view)>& line, size_t maxLine,
                FileKind kind = FileKind::Data);

// Hands over the lines of a data file from its first bytes (at most
// DataFileMax + 1 of them) as readLines does; FileTooLarge, with no line,
// when there are more than DataFileMax.
Error splitDataFile(std::string_view head, const std::function<bool(std::string_view)>& line, size_t maxLine);

// Hands over the lines of one of the game's own files from its first bytes
// (at most OwnFileMax + 1 of them) as readLines does; FileTooLarge when the
// reader wants lines that do not end within OwnFileMax bytes.
Error splitOwnFile(std::string_view head, const std::function<bool(std::string_view)>& line, size_t maxLine);

// The text has the shape the game gives its own files: not empty, and every
// line ended by CR LF, the last one too.
bool inGameShape(std::string_view text);

// File names are matched without regard to case in ASCII alone, whatever
// the locale: a Turkish one lowers 'I' to no 'i' at all, and "LEXORDA.INI"
// would miss "LexOrda.ini". Bytes above ASCII match only themselves.
char asciiLower(char c);
bool sameFileName(std::string_view a, std::string_view b);

// A note's name is a bare hidden name, reaching no other folder on any
// system; and the names a listing of notes leaves out: the saves'
// temporaries and the notes' locks.
bool isNoteName(const std::string& name);
bool listsAsNote(const std::string& name, const std::string& prefix);

// The folder holds an entry of this name, in any case, that is anything but
// a folder: a file, a pipe, a device, a link (even one that leads nowhere).
bool holdsEntry(const std::string& folder, const std::string& name);
