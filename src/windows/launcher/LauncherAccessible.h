// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The launcher as a screen reader meets it: a window named by its title,
// whose heading is read once (its grey shadow, drawn under the red title, is
// left out, as are the focus frames round the pictures and the hand picture
// that is never shown).

// A child of the launcher with this property true is left out.
inline constexpr const char* SilentProperty = "parolixSilent";

// Makes it so for every launcher (once is enough).
void makeLauncherAccessible();
