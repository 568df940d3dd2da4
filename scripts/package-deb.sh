#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package with Debian's own tools, from a copy of the tracked files (so that
# nothing built here leaks in, and dpkg-buildpackage's results land inside the project), and
# leaves build/deb/virenast_<version>_<arch>.deb. The package build runs the test suite, as
# Debian's builds do (several minutes on two cores); with DEB_BUILD_OPTIONS=nocheck it builds
# neither the tests nor needs what they need:
#
#   scripts/package-deb.sh
#   DEB_BUILD_OPTIONS=nocheck scripts/package-deb.sh
set -euo pipefail
cd "$(dirname "$0")/.."
profiles=()
if [[ " ${DEB_BUILD_OPTIONS:-} " == *" nocheck "* ]]; then
  scripts/setup.sh debhelper dpkg-dev fakeroot
  profiles=(-Pnocheck)  # the build dependencies marked <!nocheck> are then not needed
else
  scripts/setup.sh debhelper dpkg-dev fakeroot libbenchmark-dev desktop-file-utils appstream
fi

out=build/deb
rm -rf "$out"
mkdir -p "$out/source"
git ls-files -z | xargs -0 cp --parents -t "$out/source"
export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-} parallel=$(nproc)"
(cd "$out/source" && dpkg-buildpackage -us -uc -b "${profiles[@]}")
ls "$out"/virenast_*.deb
