// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
#include <string>

// Modal message and input boxes. Texts are in code page 1252.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Information icon and a single OK button; waits until it is closed.
    virtual void message(const std::string& text, const std::string& title) = 0;
    // The text typed, or an empty text on Cancel.
    virtual std::string input(const std::string& prompt, const std::string& title, const std::string& defaultText) = 0;
};

class QtDialogs : public Dialogs {
public:
    void message(const std::string& text, const std::string& title) override;
    std::string input(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
};
