#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Every file of the source tree names its copyright and licence (REUSE).
# In a git checkout reuse leaves out what git ignores (the build folders);
# in a tree unpacked from the release tarball it would read those too, so a
# copy without the folders that builds and releases make is checked instead.
#   check_licences.sh SOURCE BUILD
set -euo pipefail
src="$1" build="$2"
command -v reuse >/dev/null || { echo "licences: not checked (reuse missing)"; exit 77; }
if git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then exec reuse --root "$src" lint; fi
work="$(mktemp -d /tmp/parolix-licences-XXXXXX)"
trap 'rm -rf "$work"' EXIT
excludes=(--exclude=./build --exclude=./build-fuzz --exclude=./release)
case "$build" in "$src"/*) excludes+=("--exclude=./${build#"$src"/}") ;; esac
tar -C "$src" "${excludes[@]}" -cf - . | tar -C "$work" -xf -
reuse --root "$work" lint
