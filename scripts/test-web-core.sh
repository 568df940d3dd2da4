#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Proves the GUI-free core in WebAssembly, for the browser: builds the platform operations (but
# their Qt implementation), the simulation, the window description and the core tests with
# Debian's Emscripten and GoogleTest from its sources, runs every core test and the fuzz-corpus
# replay under Node, and checks that as many tests ran there as on Linux, both with the
# standard library's number conversions and with the portable ones the WebAssembly build uses.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh emscripten nodejs googletest libfast-float-dev
command -v npm >/dev/null || scripts/setup.sh npm
npm ci --no-audit --no-fund  # esbuild, which puts the page together

# Emscripten's tools need Node's modules (acorn) from Debian's folder; the web preset sets it
# too, for its own commands.
export NODE_PATH=/usr/share/nodejs

count() { sed -n 's/.*tests passed, .* out of \([0-9]*\)$/\1/p' "$1"; }

for preset in core core-portable web; do
  echo "== Core tests, $preset build =="
  start=$SECONDS
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  # The page's own tests (labelled browser and page) are the web build's alone.
  ctest --preset "$preset" -j "$(nproc)" -LE 'browser|page' | tee "build/$preset-ctest.log"
  echo "($preset: $((SECONDS - start)) s)"
done

linux=$(count build/core-ctest.log)
portable=$(count build/core-portable-ctest.log)
web=$(count build/web-ctest.log)
echo "Core tests: $linux on Linux, $portable on Linux with the portable number conversions, $web in WebAssembly under Node."
[ -n "$web" ] && [ "$linux" = "$portable" ] && [ "$linux" = "$web" ]
