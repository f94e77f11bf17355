#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Checks that every C++ file keeps the style of .clang-format (the test
# command runs it); `style.sh --fix` rewrites the files that stray. The code
# is written so that clang-format 14 (Debian 12) and 19 (Debian 13) agree on
# it; a verdict names the version that gave it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
command -v clang-format >/dev/null || { echo "style: not checked (clang-format missing)"; exit 77; }
cd "$here"
mapfile -t files < <(find src tests tools bench fuzz \( -name '*.cpp' -o -name '*.h' \) | sort)
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
else
  clang-format --dry-run --Werror "${files[@]}" || {
    echo "style: $(clang-format --version) wants the changes above (scripts/style.sh --fix)"; exit 1; }
fi
