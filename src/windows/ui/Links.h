// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The documentation beside the program and the maker's web and mail
// addresses, opened with the desktop's associated application. A failure is
// told in a message box and the game goes on.

#include "desktop/Platform.h"

void openDocumentation(Platform& platform);
void openWebSite(Platform& platform);
void writeMailToAuthor(Platform& platform);
