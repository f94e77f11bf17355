// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
#include <QUrl>
#include <string>

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
