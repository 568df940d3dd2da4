#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package with Debian's own tools, from a copy of the tracked files (so that
# nothing built here leaks in, and dpkg-buildpackage's results land inside the project), and
# leaves build/deb/virenast_<version>_<arch>.deb. DEB_BUILD_OPTIONS passes through: with
# "nocheck" the package is built without its tests.
#
#   scripts/package-deb.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh debhelper dpkg-dev fakeroot

out=build/deb
rm -rf "$out"
mkdir -p "$out/source"
git ls-files -z | xargs -0 cp --parents -t "$out/source"
export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-} parallel=$(nproc)"
(cd "$out/source" && dpkg-buildpackage -us -uc -b)
ls "$out"/virenast_*.deb
