// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Windows' side of the game's files. Paths travel as std::string in UTF-8,
// which spells every name (the ANSI code page does not: a player's folder
// may hold letters of another script), and meet the system as UTF-16.

#include <string>

std::wstring widened(const std::string& path);
std::string narrowed(const std::wstring& path);

// A file can be made in this folder (its ACL allows it), tried by making
// and dropping one: the read-only attribute of a folder means nothing.
bool folderTakesFiles(const std::string& folder);
