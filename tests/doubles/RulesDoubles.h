// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Test doubles for the services the rules use: a scripted clock and random
// numbers and files in memory. Plain C++:
// the rules tests and the fuzzers link them without Qt.

#include "platform/Clock.h"
#include "platform/Files.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

// Returns the scripted times in turn, then keeps the last one: the time of
// day and, apart from it, the steady clock.
class FakeClock : public Clock {
public:
    std::deque<double> times{0.0};
    std::deque<double> steady{0.0};
    double secondsSinceMidnight() override;
    double steadySeconds() override;
};

// Returns the scripted draws in turn; when they run out, a fixed sequence.
class ScriptedRandom : public Random {
public:
    std::deque<double> draws;
    std::vector<double> seeds; // every reseed, in order
    double fallback = 0.0;
    double next() override;
    void reseed(double seed) override { seeds.push_back(seed); }
};

// Files in memory, names matched in any case; can be told to fail reads or
// writes, or to find the lock taken by another copy of the game.
class MemoryFiles : public Files {
public:
    std::map<std::string, std::string> content; // name -> bytes
    bool failWrites = false;
    Error writeFailure = Error::Unwritable; // what a failed write gives
    bool failReads = false;                 // files are there but cannot be read
    bool busy = false;                      // underLock gives Busy and runs nothing
    bool exists(const std::string& name) override;
    Error readLines(const std::string& name, const std::function<bool(std::string_view)>& line, size_t maxLine = 4096,
                    FileKind kind = FileKind::Data) override;
    Error rewrite(const std::string& name, const std::vector<std::string>& lines) override;
    Error touch(const std::string& name) override;
    Error underLock(const std::string& name, const std::function<Error()>& step) override;
    // The name as stored, in its own spelling.
    std::string pathOf(const std::string& name) override;
    // The stored bytes of a file, found in any case; empty when absent.
    std::string text(const std::string& name) const;

private:
    std::map<std::string, std::string>::iterator find(const std::string& name);
};

// Reads a file of the source tree's data folder.
std::string readDataFile(const std::string& name);
