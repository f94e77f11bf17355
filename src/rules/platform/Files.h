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
#include <string>
#include <string_view>
#include <vector>

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
    // the code page lacks as '?'; any other file byte for byte.
    // The callback returns false to stop reading.
    virtual Error readLines(const std::string& name,
                                const std::function<bool(std::string_view)>& line,
                                size_t maxLine = 4096) = 0;

    // Replaces the whole file with these lines, each ended by CR LF. The text
    // goes to a temporary file first, which takes the old file's place only
    // when complete, so a failure leaves the old file as it was.
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
};

// Files on disk. Reads look in the player's folder first and then in the
// data folder, so a file the player keeps wins over a shipped one; writes go
// to the player's folder, which is made on first need. With one folder for
// both, everything stays in that folder.
class DiskFiles : public Files {
public:
    explicit DiskFiles(std::string folder);
    DiskFiles(std::string dataFolder, std::string playerFolder);
    bool exists(const std::string& name) override;
    Error readLines(const std::string& name, const std::function<bool(std::string_view)>& line,
                        size_t maxLine = 4096) override;
    Error rewrite(const std::string& name, const std::vector<std::string>& lines) override;
    Error touch(const std::string& name) override;
    Error underLock(const std::string& name, const std::function<Error()>& step) override;
    std::string pathOf(const std::string& name) override;

    // How long a save waits for another copy's lock before it gives up.
    void setLockWait(std::chrono::milliseconds wait) { lockWait_ = wait; }

    // The path of the existing file whose name matches in any case, in the
    // player's folder or else the data folder; or the path in the player's
    // folder with the name as given when there is none.
    std::string resolve(const std::string& name) const;

private:
    // Where a save of this name goes: the player's file of that name in any
    // case, or a new one spelt as given.
    std::filesystem::path writeTarget(const std::string& name) const;
    bool makePlayerFolder() const;
    void removeStaleTemporaries(const std::filesystem::path& target);
    std::string data_;
    std::string player_;
    std::chrono::milliseconds lockWait_{2000};
};

// Splits text into lines the way readLines does; shared with the in-memory
// test double so both read alike.
void splitLines(std::string_view text, const std::function<bool(std::string_view)>& line,
                size_t maxLine);
