// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Everything the windows need from the system, handed to them in one bundle:
// message boxes, the pointer, the desktop's shell, the beep, and the border
// between the game's code page and Qt's Unicode. Each service is an interface
// the tests replace, with its Qt implementation beside it.

#include "Pictures.h"
#include "platform/Clock.h"
#include "platform/Files.h"

#include <QAccessibleInterface>
#include <QCursor>
#include <QString>
#include <QUrl>

#include <functional>
#include <string>

// Modal message and input boxes. Texts are in code page 1252.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Information icon and a single OK button; waits until it is closed.
    virtual void message(const std::string& text, const std::string& title) = 0;
    // The same, and a screen reader reads `spoken` after the text, in the same
    // breath: nothing of it shows.
    virtual void message(const std::string& text, const std::string& title, const std::string& spoken)
    {
        (void)spoken;
        message(text, title);
    }
    // The text typed, or an empty text on Cancel.
    virtual std::string input(const std::string& prompt, const std::string& title, const std::string& defaultText) = 0;
};

class QtDialogs : public Dialogs {
public:
    void message(const std::string& text, const std::string& title) override;
    void message(const std::string& text, const std::string& title, const std::string& spoken) override;
    std::string input(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
};

// The one pointer setting for the whole program. While it is not neutral it
// prevails over every window's own pointer; nothing sets it back to neutral.
enum class PointerShape { Neutral, Arrow, Hand };

class Pointer {
public:
    virtual ~Pointer() = default;
    virtual void set(PointerShape shape) = 0;
};

class QtPointer : public Pointer {
public:
    explicit QtPointer(QCursor hand) : hand_(std::move(hand)) {}
    void set(PointerShape shape) override;

private:
    QCursor hand_;
    PointerShape shape_ = PointerShape::Neutral;
};

// Opens a document beside the program, a web address or a mail address with
// the desktop's associated application, without waiting for it.
class Shell {
public:
    virtual ~Shell() = default;
    // The path as the file system spells it (its own encoding, not the
    // game's code page).
    virtual bool openDocument(const std::string& path) = 0;
    virtual bool openUrl(const std::string& url) = 0;
};

// The address of a file whose path is in the file system's encoding.
QUrl documentUrl(const std::string& path);

class QtShell : public Shell {
public:
    bool openDocument(const std::string& path) override;
    bool openUrl(const std::string& url) override;
};

class Sound {
public:
    virtual ~Sound() = default;
    virtual void beep() = 0;
};

struct QtSound final : Sound {
    void beep() override;
};

struct Platform {
    Clock& clock;
    Random& random;
    Files& files;
    Dialogs& dialogs;
    Pictures& pictures;
    Shell& shell;
    Pointer& pointer;
    Sound& sound;
    std::function<void()> endProgram; // ends the program at once, no window unloads
};

// Qt's own words in Italian, as the game's: "Annulla" on the input boxes, a
// text box's menu. Needs the QApplication; false when Qt's translations are
// not installed (the words stay English then).
bool loadQtItalian();

// A text box is read whole by a screen reader. Qt's own reading of a line
// edit reports its text attributes as empty runs, one a character, and Orca
// then drops the last character ("ANONIM" for ANONIMO); this reading reports
// one run over the whole text. Installed after the QApplication, it is asked
// before Qt's own and serves the input boxes' line edits too.
void installTextBoxReading();
QAccessibleInterface* textBoxReading(const QString& className, QObject* object);

// Text inside the game is one byte per character in code page 1252; Qt shows
// and returns Unicode. These convert at that border, and upper-case the way
// the game always did.

QString toUnicode(const std::string& cp1252);
// Characters that code page 1252 lacks become '?'.
std::string toCp1252(const QString& text);
