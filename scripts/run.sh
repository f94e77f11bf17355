#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Installs what building and playing need, builds the game alone and starts it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh" play
"$here/scripts/build.sh" --game
exec "${PAROLIX_BUILD:-$here/build}/parolix" "$@"
