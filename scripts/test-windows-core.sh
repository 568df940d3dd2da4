#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Proves the GUI-free core on Windows without a Windows machine: cross-builds the platform
# operations (but their Qt implementation), the simulation, the window description and the
# core tests for 64-bit Windows with MinGW-w64 and GoogleTest from Debian's sources, runs every
# core test and the fuzz-corpus replay under Wine, and checks that as many tests ran there as
# in the same build for Linux.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh g++-mingw-w64-x86-64-posix wine wine64 googletest

export WINEDEBUG=-all WINEPREFIX="$PWD/build/wine-prefix"
mkdir -p "$WINEPREFIX"
# One Wine server for the whole run rather than one for each test, and the prefix made by a
# first program before the tests run in it.
wineserver -p
wine cmd /c exit >/dev/null 2>&1 || true
trap 'wineserver -k 2>/dev/null || true' EXIT

count() { sed -n 's/.*tests passed, .* out of \([0-9]*\)$/\1/p' "$1"; }

for preset in core windows-core; do
  echo "== Core tests, $preset build =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j "$(nproc)" | tee "build/$preset-ctest.log"
done

linux=$(count build/core-ctest.log)
windows=$(count build/windows-core-ctest.log)
echo "Core tests: $linux on Linux, $windows on Windows under Wine."
[ -n "$windows" ] && [ "$linux" = "$windows" ]
