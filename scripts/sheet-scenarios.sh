#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the scenarios of the practical sheets (docs/fiches-tp.md) as the program writes them:
# each sheet's .virenast file in docs/scenarios/, and the line under its "Valeurs à taper" that
# offers the file and its link. Run it after changing a sheet's values in
# tests/support/teaching_scenarios.cpp or the files in tests/support/sheet_scenarios.cpp;
# TeachingSheetScenarios.* fails until then.
#
#   scripts/sheet-scenarios.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh libgtest-dev
cmake --preset release >/dev/null
cmake --build --preset release --target virenast_sheet_files >/dev/null
build/release/tests/virenast_sheet_files scenarios docs
git status --short docs/scenarios docs/fiches-tp.md
