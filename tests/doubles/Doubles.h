// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Test doubles for the services the windows use: pictures, shell, pointer and
// sound, and a whole platform of doubles.

#include "desktop/Platform.h"
#include "doubles/RulesDoubles.h"

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
    std::string input(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
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
    bool openDocument(const std::string& path) override
    {
        opened.push_back(path);
        return succeed;
    }
    bool openUrl(const std::string& url) override
    {
        opened.push_back(url);
        return succeed;
    }
};

class RecordingPointer : public Pointer {
public:
    PointerShape shape = PointerShape::Neutral;
    void set(PointerShape s) override { shape = s; }
};

// Pictures from a map of name -> image; a name in errors fails with its
// kind, any other missing name as not found.
class FakePictures : public Pictures {
public:
    std::map<std::string, QImage> images;
    std::map<std::string, Error> errors;
    int loads = 0;
    // At a scale above 1 the image is enlarged to match, covering the same
    // size. The place is not applied: the images are made to fit.
    Result<QImage> load(const std::string& fileName, const PicturePlace& place = {}, double scale = 1.0) override;
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
    Platform platform{clock, random, files, dialogs, pictures, shell, pointer, sound, [this] { ++programEnded; }};
};
