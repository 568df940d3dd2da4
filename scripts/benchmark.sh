#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures, in one go on this machine, the speed of the desktop window and of the page at
# "Vitesse maximale" with the path shown and hidden, beside the in-memory run natively and under
# Node, and the wall time of a one-year run at each pace on both front-ends; prints one table.
# Builds what it needs first (the release and web presets, in their usual build folders). Takes
# about four minutes, most of it the paced runs; a timing on a busy machine is a busy machine's.
#
#   scripts/benchmark.sh [--quick]   # --quick: without the 20 s and 60 s paces (about a minute)
#   scripts/benchmark.sh --smoke     # runs of a few hundred steps: checks the table comes out
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
  '' | --quick | --smoke) ;;
  *) echo "usage: $0 [--quick | --smoke]" >&2; exit 2 ;;
esac

scripts/setup.sh xvfb xauth emscripten nodejs chromium libfast-float-dev googletest libgtest-dev
[ -f node_modules/puppeteer-core/package.json ] && [ -f node_modules/esbuild/package.json ] || npm ci --no-audit --no-fund
# Emscripten's tools need Node's modules (acorn) from Debian's folder.
export NODE_PATH=/usr/share/nodejs
echo "Building the window's timer, the in-memory run and the page..." >&2
cmake --preset release >/dev/null
cmake --build --preset release --target virenast_window_run_timer virenast_memory_run >/dev/null
cmake --preset web >/dev/null
cmake --build --preset web --target virenast_web virenast_memory_run >/dev/null

echo "Measuring..." >&2
# One X server for every desktop run; the window is drawn on it by the xcb platform, as a
# person's screen would show it.
xvfb-run -a -s "-screen 0 1280x1024x24" node tests/bench/benchmark.mjs \
  --window build/release/tests/virenast_window_run_timer \
  --memory build/release/tests/virenast_memory_run \
  --page build/web/virenast.html \
  --node-memory build/web/tests/virenast_memory_run.js \
  ${1:+"$1"}
