// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Everything the launcher says, in one place (code page 1252).

#include "platform/Result.h"

#include <string>
#include <utility>
#include <vector>

namespace form1text {

inline constexpr const char* Caption = "Parolix";
inline constexpr const char* Title = "Scegli il genere sottostante con cui giocare:";
inline constexpr const char* PlayerLabel = "Giocatore:";
inline constexpr const char* HelpButton = "&Help";
inline constexpr const char* EndButton = "&Fine";
inline constexpr const char* EndButtonTip = "Uscita dal programma";
inline constexpr const char* WebSiteTip = "Visita il sito dell'autore";
inline constexpr const char* NameBoxName = "Giocatore"; // for screen readers
inline constexpr const char* MessageTitle = "Parolix";

// The genre pictures that could not be shown, each with why: one message.
std::string picturesFailedMessage(const std::vector<std::pair<std::string, Error>>& failed);

} // namespace form1text
