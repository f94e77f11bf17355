#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Installs what is missing, builds Parolix and runs every test headless: a
# short fuzzing run of the file readers (when clang is there), then the test
# programs through CTest.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
"$here/scripts/fuzz.sh" "${PAROLIX_FUZZ_SECONDS:-10}"
export QT_QPA_PLATFORM=offscreen
cd "${PAROLIX_BUILD:-$here/build}"
ctest --output-on-failure -j2
