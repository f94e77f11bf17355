#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Runs the rules tests and the metafile tests on a big-endian CPU: in a clean
# Debian 12 root that also holds Debian's s390x libraries (Qt, libUEMF,
# GoogleTest), Debian's cross compiler builds them for s390x and qemu-user
# runs them. Needs root, mmdebstrap and the network; the root goes when the
# script ends, also when it fails.
#   s390x.sh [GTEST_FILTER]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
. "$here/scripts/lib/root.sh"

root_begin s390x
start=$(date +%s)
echo "== making a Debian 12 root with the s390x cross compiler and libraries"
root_make bookworm --architectures=amd64,s390x \
  --include=git,ca-certificates,g++-s390x-linux-gnu,cmake,ninja-build,qemu-user-static,qt6-base-dev-tools,libgtest-dev:s390x,qt6-base-dev:s390x,qt6-base-private-dev:s390x,libxkbcommon-dev:s390x,libuemf-dev:s390x,fonts-liberation2,locales
root_clone "$here"
made=$(date +%s)

cat >"$root/root/s390x.cmake" <<'TOOLCHAIN'
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(CMAKE_C_COMPILER s390x-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER s390x-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE s390x-linux-gnu)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/qemu-s390x-static)
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
TOOLCHAIN

cat >"$root/root/check.sh" <<'INSIDE'
#!/bin/bash
set -euo pipefail
cd /root/parolix
cmake -S . -B build-s390x -G Ninja -DCMAKE_TOOLCHAIN_FILE=/root/s390x.cmake \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >configure.log 2>&1 || { cat configure.log; exit 1; }
cmake --build build-s390x -j2 --target rules_tests pictures_tests parolix_data >build.log 2>&1 ||
  { tail -n 40 build.log; exit 1; }
export QT_QPA_PLATFORM=offscreen
for t in rules pictures; do
  echo "== ${t}_tests under qemu-s390x"
  qemu-s390x-static build-s390x/tests/${t}_tests --gtest_brief=1 ${FILTER:+--gtest_filter=$FILTER}
done
INSIDE
chmod +x "$root/root/check.sh"
t0=$(date +%s)
root_run env FILTER="${1:-}" /root/check.sh || root_fail "the s390x build or its tests failed"
end=$(date +%s)
echo "== s390x: all passed; the root made in $((made - start)) s, built and run in $((end - t0)) s"
