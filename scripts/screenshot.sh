#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the README's pictures under xvfb-run, with a window manager for the frames: starts the
# program under a French locale, clicks "Lancer le calcul" as a user would, and after a few
# seconds takes docs/virenast-run.png (the window); then clicks "Pause" and takes
# docs/virenast-pause.png (the whole screen, with the Pause box beside the drawing).
#
#   scripts/screenshot.sh [seconds-into-the-run] [output-folder]
set -euo pipefail
cd "$(dirname "$0")/.."
wait_seconds=${1:-4}
output=${2:-docs}
scripts/setup.sh imagemagick xdotool openbox xvfb xauth
cmake --preset release -DVIRENAST_BUILD_TESTS=OFF >/dev/null
cmake --build --preset release --target virenast >/dev/null

export LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 WAIT_SECONDS="$wait_seconds" OUTPUT="$output"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  openbox >/dev/null 2>&1 &
  sleep 1
  build/release/app/virenast &
  program=$!
  for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --name "^Virenast$" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.2
  done
  sleep 2
  eval "$(xdotool getwindowgeometry --shell "$window")"
  menu_bar=$((HEIGHT - 688))             # the client area is 688 pixels high, below the menu bar
  xdotool mousemove --window "$window" 492 $((menu_bar + 632)) click 1   # "Lancer le calcul"
  sleep "$WAIT_SECONDS"
  import -window "$window" "$OUTPUT/virenast-run.png"
  xdotool mousemove --window "$window" 492 $((menu_bar + 668)) click 1   # "Pause"
  sleep 1
  import -window root "$OUTPUT/virenast-pause.png"
  kill "$program"
'
echo "wrote $output/virenast-run.png and $output/virenast-pause.png"
