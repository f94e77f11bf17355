#!/usr/bin/env bash
# Installs what is missing, builds Parolix and starts it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
exec "${PAROLIX_BUILD:-$here/build}/parolix" "$@"
