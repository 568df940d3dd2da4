#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the conversions between text and numbers, then the reading of scenarios, with libFuzzer
# for a while each (60 s unless told), starting from the committed corpora. New inputs it finds
# go to build/fuzz/corpus and build/fuzz/scenario-corpus, not into the repository; a failing
# input is saved in build/fuzz as crash-*.
#
#   scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/setup.sh clang libclang-rt-dev libgtest-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/corpus build/fuzz/scenario-corpus
cd build/fuzz
./tests/virenast_number_text_fuzzer -max_total_time="$seconds" -max_len=4096 corpus ../../tests/fuzz/corpus
./tests/virenast_scenario_fuzzer -max_total_time="$seconds" -max_len=8192 scenario-corpus \
  ../../tests/fuzz/scenario-corpus
