#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Virenast and its tests and runs every test: once in the
# Release build (the Debian package and its lintian check included), once more under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the browser front-end: the core tests
# in WebAssembly under Node, and the page in Chromium and Firefox ESR. Every check must be able
# to run: a checker that is missing stops the configuration instead of skipping its test. Here,
# and so in CI, a compiler warning is an error (the presets alone, which users build, keep
# warnings as warnings).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests debhelper dpkg-dev fakeroot lintian
scripts/setup.sh emscripten nodejs libfast-float-dev googletest chromium firefox-esr
command -v npm >/dev/null || scripts/setup.sh npm
npm ci --no-audit --no-fund
export NODE_PATH=/usr/share/nodejs  # Emscripten's tools find their Node modules there

for preset in release sanitize web; do
  echo "== Tests, $preset build =="
  cmake --preset "$preset" -DVIRENAST_REQUIRE_ALL_CHECKS=ON -DVIRENAST_WERROR=ON >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
