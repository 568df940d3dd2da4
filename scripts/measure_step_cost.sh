#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Compares the time per step of a default run in the real window with that of a bare Qt loop
# (tests/bench/bare_qt_loop.cpp) that only shows a step (seven texts, a circle and two lines, pending events handled), on this
# machine, off screen and under xvfb-run. Timings on a shared machine wander, so each program
# runs several times, alternating, and the median is kept.
#
#   scripts/measure_step_cost.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}

scripts/setup.sh xvfb xauth
cmake --preset release >/dev/null
cmake --build --preset release --target virenast_window_step_timer virenast_bare_qt_loop >/dev/null

program=build/release/tests/virenast_window_step_timer
bare=build/release/tests/virenast_bare_qt_loop
screen=(xvfb-run -a -s "-screen 0 1280x1024x24")

per_step() { "$@" 2>/dev/null | sed -n 's/.*per step \([0-9.]*\) us.*/\1/p'; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for where in offscreen xvfb; do
  ours=() theirs=()
  for ((i = 0; i < runs; i++)); do
    if [ "$where" = offscreen ]; then
      ours+=("$(QT_QPA_PLATFORM=offscreen per_step "$program")")
      theirs+=("$(QT_QPA_PLATFORM=offscreen per_step "$bare")")
    else
      ours+=("$(per_step "${screen[@]}" "$program")")
      theirs+=("$(per_step "${screen[@]}" "$bare")")
    fi
  done
  printf '%-9s Virenast %s us/step (runs: %s)   bare loop %s us/step (runs: %s)\n' "$where" \
    "$(printf '%s\n' "${ours[@]}" | median)" "${ours[*]}" \
    "$(printf '%s\n' "${theirs[@]}" | median)" "${theirs[*]}"
done
