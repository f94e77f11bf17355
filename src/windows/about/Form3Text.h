// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Everything the about box says, in one place (code page 1252); the web
// address it shows is in ui/Messages.h, as the launcher shows it too.

#include "Identity.h"

namespace form3text {
inline constexpr const char* Caption = "Parolix Vers. 3.00";
inline constexpr const char* Contact = "Parolix Team  -  " PAROLIX_CONTACT;
inline constexpr const char* MadeIn = "Made in Italy";
inline constexpr const char* Ok = "&OK";
} // namespace form3text
