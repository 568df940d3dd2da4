#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package (without its own tests, which this suite runs anyway) and fails on
# any error or warning of lintian's.
#
#   check_package.sh LINTIAN
set -euo pipefail
lintian=$1
cd "$(dirname "$0")/../.."
log=build/package-deb.log
mkdir -p build
DEB_BUILD_OPTIONS=nocheck scripts/package-deb.sh >"$log" 2>&1 || { cat "$log"; exit 1; }
"$lintian" --fail-on error,warning --display-info build/deb/virenast_*.deb
echo "lintian: no error or warning in $(basename build/deb/virenast_*.deb)"
