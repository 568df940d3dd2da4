#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs from Debian's packages whatever building and running Virenast needs and this machine
# lacks; with --tests, also the checkers that the full test command runs; with any further
# packages named on the command line (for the tools under scripts/). It asks apt only when
# something is missing, so a second run does nothing.
#
#   scripts/setup.sh [--tests] [package...]
set -euo pipefail

# Building and running the program: scripts/run.sh builds it without its tests.
packages=(
  g++ cmake ninja-build   # the compiler and the build
  qt6-base-dev            # Qt 6 Widgets, and Qt Test for the window tests
)

# What the tests build and check with, beyond the program: each missing checker turns a check off
# (or, in the test command, stops the configuration).
test_packages=(
  libgtest-dev            # GoogleTest
  libfast-float-dev       # number conversions where the C++ library has no floating-point charconv
  libbenchmark-dev        # Google Benchmark, for the speed benchmark
  xvfb xauth              # a virtual screen, for the tests that need a real X server
  desktop-file-utils appstream appstream-compose  # validators of the desktop entry and the metainfo
  shared-mime-info  # the scenario files' type, compiled as a desktop does
  man-db reuse            # checks of the manual pages and of every file's licence
  at-spi2-core python3-pyatspi dbus  # a screen reader's view of the window, read in the tests
  openbox xdotool x11-utils         # a window manager, to see the window placed with its frame
  imagemagick                       # screenshots of the window, for the pictures and the class trials
  python3-pil fontconfig fonts-dejavu-core  # a box title measured apart from openbox
  python3                           # the practical sheets' Python, run on a CSV the program saved
  libreoffice-calc-nogui            # the copied measurements pasted into a spreadsheet
)

if [ "${1:-}" = --tests ]; then
  shift
  packages+=("${test_packages[@]}")
fi
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then as_root=(); else as_root=(sudo); fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
