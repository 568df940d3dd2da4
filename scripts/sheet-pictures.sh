#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the pictures of the practical sheets (docs/fiches-tp.md) under xvfb-run: one picture
# of the window at a telling moment of each scenario's run, in docs/fiches/, with the body's path
# as the program draws it ("Trajectoire" checked in the menu "Affichage"), and the window of the
# graphs on its right for the scenarios that show them. A picture is refused
# when the path is not shown or the window is not where the scenario's run was. The pictures are
# made smaller with optipng where it is installed.
#
#   scripts/sheet-pictures.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh xvfb xauth libgtest-dev
cmake --preset release >/dev/null
cmake --build --preset release --target virenast_sheet_picture >/dev/null
mkdir -p docs/fiches
export LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8
# (troisieme-loi-22000 has no picture: it is the run between the two of sheet 7's picture.)
for scenario in evasion orbite-circulaire orbite-elliptique periode pas-de-temps-1h pas-de-temps-24h masse huit \
  troisieme-loi loi-des-aires aires-deux-corps energie-1h energie-24h; do
  xvfb-run -a -s "-screen 0 1280x1024x24" build/release/tests/virenast_sheet_picture "$scenario" "docs/fiches/$scenario.png"
done
if command -v optipng >/dev/null; then
  optipng -quiet -o2 docs/fiches/*.png
fi
