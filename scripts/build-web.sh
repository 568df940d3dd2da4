#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, and builds Virenast for the browser with Debian's Emscripten:
#   build/web/virenast.html   one self-contained file (open it from disk, offline, or mail it);
#   build/web/site/           the same page as files for a web server, installable as an app.
#
#   scripts/build-web.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh emscripten nodejs libfast-float-dev googletest
command -v npm >/dev/null || scripts/setup.sh npm
npm ci --no-audit --no-fund  # esbuild, which puts the page together

# Emscripten's tools need Node's modules (acorn) from Debian's folder; the web preset sets it
# too, for its own commands.
export NODE_PATH=/usr/share/nodejs
cmake --preset web >/dev/null
cmake --build --preset web --target virenast_web
echo "build/web/virenast.html: $(stat -c %s build/web/virenast.html) bytes; build/web/site/: $(ls build/web/site | wc -l) files"
