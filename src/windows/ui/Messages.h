// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The messages that more than one window shows (code page 1252). Each
// window's own texts stand in its own text file: launcher/Form1Text.h,
// game/Form2Text.h, about/Form3Text.h.

#include <string>

inline constexpr const char* DocumentationFile = "LEXORDA.htm";
inline constexpr const char* WebSiteAddress = "https://parolix.example.org";
inline constexpr const char* WebSiteText = "parolix.example.org";
inline constexpr const char* MailAddress = "autore@parolix.example.org";
inline constexpr const char* LinkFailedTitle = "Parolix";

// The documentation, the site or the mail program could not be opened.
std::string documentationMissingMessage();
std::string documentationFailedMessage();
std::string webSiteFailedMessage();
std::string mailFailedMessage();

// The player's name could not be saved.
std::string settingsSaveFailedMessage();
