#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the Debian package (without its tests) and checks it with
# lintian, then builds Virenast and its tests and runs every test: once in the Release build,
# then once more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh debhelper dpkg-dev fakeroot lintian

echo "== Debian package =="
mkdir -p build
DEB_BUILD_OPTIONS=nocheck scripts/package-deb.sh >build/package-deb.log 2>&1 || { cat build/package-deb.log; exit 1; }
lintian --fail-on error,warning --display-info build/deb/virenast_*.deb
echo "lintian: no error or warning in $(basename build/deb/virenast_*.deb)"

for preset in release sanitize; do
  echo "== Tests, $preset build =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
