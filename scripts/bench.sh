#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Builds Parolix and runs its benchmarks, printing a table.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh" -DPAROLIX_BENCH=ON >/dev/null
build="${PAROLIX_BUILD:-$here/build}"
QT_QPA_PLATFORM=offscreen "$build/bench/parolix_bench" --benchmark_min_time="${1:-0.5}" \
  --benchmark_repetitions=3 --benchmark_report_aggregates_only=true "${@:2}"
