// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Menu entries whose captions end in blanks, as some of the game's do, are
// named for a screen reader without them: the caption on screen stays as it
// is, the reader says no "spazio" after it.

// Makes it so for every menu of the program (once is enough).
void nameMenuEntriesWithoutBlanks();
