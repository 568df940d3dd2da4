#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes docs/virenast-run.png, the picture of the window in the middle of a run shown in the
# README: starts the program on a virtual screen under a French locale, clicks "Lancer le
# calcul" as a user would, waits a few seconds and takes a picture of the window.
#
#   scripts/screenshot.sh [seconds-into-the-run] [output.png]
set -euo pipefail
cd "$(dirname "$0")/.."
wait_seconds=${1:-4}
output=${2:-docs/virenast-run.png}
scripts/setup.sh imagemagick xdotool
cmake --preset release >/dev/null
cmake --build --preset release --target virenast >/dev/null

export LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 WAIT_SECONDS="$wait_seconds" OUTPUT="$output"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  build/release/app/virenast &
  program=$!
  for _ in $(seq 50); do
    window=$(xdotool search --name "^Virenast$" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.2
  done
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$window")"
  menu_bar=$((HEIGHT - 688))             # the client area is 688 pixels high, below the menu bar
  xdotool mousemove --window "$window" 492 $((menu_bar + 632)) click 1   # "Lancer le calcul"
  sleep "$WAIT_SECONDS"
  import -window "$window" "$OUTPUT"
  kill "$program"
'
echo "wrote $output"
