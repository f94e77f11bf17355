// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The answers to --help, --version and a wrong argument, written to the
// terminal before any window opens.

#include "platform/CommandLine.h"

#include <cstdio>

// Writes the help or the version to out, or one error line to err, and
// returns the program's exit status: 0 for an answer, 2 for a fault. Not for
// CommandAction::Play.
int answerCommandLine(const CommandLine& line, std::FILE* out, std::FILE* err);
