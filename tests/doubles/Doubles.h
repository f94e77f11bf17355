#pragma once
// Test doubles for the services the windows use: pictures, shell, pointer and
// sound, and a whole platform of doubles.

#include "doubles/RulesDoubles.h"
#include "platform/Platform.h"

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
