#pragma once
// Test doubles for the platform: scripted clock and random numbers, files in
// memory, dialogs that answer from a script, and recorders.

#include "platform/Platform.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

// Returns the scripted times in turn, then keeps the last one.
class FakeClock : public Clock {
public:
    std::deque<double> times{0.0};
    double secondsSinceMidnight() override;
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

// Files in memory, names matched in any case; can be told to fail writes.
class MemoryFiles : public Files {
public:
    std::map<std::string, std::string> content; // name -> bytes
    bool failWrites = false;
    bool exists(const std::string& name) override;
    FileError readLines(const std::string& name, const std::function<bool(std::string_view)>& line,
                        size_t maxLine = 4096) override;
    FileError rewrite(const std::string& name, const std::vector<std::string>& lines) override;
    FileError touch(const std::string& name) override;
    // The stored bytes of a file, found in any case; empty when absent.
    std::string text(const std::string& name) const;

private:
    std::map<std::string, std::string>::iterator find(const std::string& name);
};

// Answers input boxes from a script and records everything shown.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        std::string kind, text, title, defaultText;
    };
    std::vector<Shown> shown;
    std::deque<std::string> answers; // input answers; empty text when none left
    // Runs while a box is "open", to look at the windows behind it.
    std::function<void(const Shown&)> onShow;
    void message(const std::string& text, const std::string& title) override;
    std::string input(const std::string& prompt, const std::string& title,
                      const std::string& defaultText) override;
};

class CountingSound : public Sound {
public:
    int beeps = 0;
    void beep() override { ++beeps; }
};

class RecordingShell : public Shell {
public:
    std::vector<std::string> opened;
    bool succeed = true;
    bool openDocument(const std::string& path) override { opened.push_back(path); return succeed; }
    bool openUrl(const std::string& url) override { opened.push_back(url); return succeed; }
};

class RecordingPointer : public Pointer {
public:
    PointerShape shape = PointerShape::Neutral;
    void set(PointerShape s) override { shape = s; }
    PointerShape current() const override { return shape; }
};

// Pictures from a map of name -> image; missing names give a null image.
class FakePictures : public Pictures {
public:
    std::map<std::string, QImage> images;
    QImage load(const std::string& fileName, std::string* error = nullptr) override;
};

// A whole platform of doubles.
struct FakePlatform {
    FakeClock clock;
    ScriptedRandom random;
    MemoryFiles files;
    ScriptedDialogs dialogs;
    FakePictures pictures;
    RecordingShell shell;
    RecordingPointer pointer;
    CountingSound sound;
    int programEnded = 0;
    Platform platform{clock, random, files, dialogs, pictures, shell, pointer, sound, ".",
                      [this] { ++programEnded; }};
};

// Reads a file of the source tree's data folder.
std::string readDataFile(const std::string& name);
