// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The messages that more than one window shows (code page 1252), and the
// links to the documentation, the web site and the mail program that open
// from both the launcher and the game window. Each window's own texts stand
// in its own place: launcher/Form1Text.h, gamewindow/Form2Text.h, the top
// of about/Form3.cpp.

#include "Identity.h"
#include "desktop/Platform.h"
#include "platform/Result.h"

#include <initializer_list>
#include <string>
#include <string_view>

inline constexpr const char* DocumentationFile = "LEXORDA.htm";
inline constexpr const char* WebSiteAddress = PAROLIX_HOMEPAGE;
inline constexpr const char* WebSiteText = PAROLIX_HOMEPAGE_SHOWN;
inline constexpr const char* MailAddress = PAROLIX_CONTACT;
inline constexpr const char* LinkFailedTitle = "Parolix";

// The documentation, the site or the mail program could not be opened.
std::string documentationMissingMessage();
std::string documentationFailedMessage();
std::string webSiteFailedMessage();
std::string mailFailedMessage();

// The parts one after the other: how the windows put their messages together.
std::string joined(std::initializer_list<std::string_view> parts);

// Why a file could not be read or written, in the words every message uses.
const char* errorReason(Error error);

// Why a settings or records file could not be saved, in a few words: the
// disk is full, the file is damaged or a stranger's link; for anything else
// the file or its folder cannot be reached.
std::string saveFailureReason(Error error);

// A file could not be saved: what it holds, why, and what that means for the
// player.
std::string saveFailedMessage(std::string_view what, std::string_view file, Error error, std::string_view consequence);

// The player's name could not be saved.
std::string settingsSaveFailedMessage(Error error = Error::Unwritable);

// The name could not be read at start-up from a settings file that is far
// larger than the game writes, or is a stranger's link; empty for any other
// case, which is not told (the name is ANONIMO, as without a file).
std::string settingsReadFailedMessage(Error error);

// The documentation beside the program and the maker's web and mail
// addresses, opened with the desktop's associated application. A failure is
// told in a message box and the game goes on.

void openDocumentation(Platform& platform);
void openWebSite(Platform& platform);
void writeMailToAuthor(Platform& platform);
