#!/usr/bin/env bash
# Installs what is missing, builds Parolix and runs every test headless.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "${PAROLIX_BUILD:-$here/build}"
ctest --output-on-failure -j2
