#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Virenast in Release (without its tests, which need more) and
# starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release -DVIRENAST_BUILD_TESTS=OFF >/dev/null
cmake --build --preset release --target virenast
exec build/release/app/virenast "$@"
