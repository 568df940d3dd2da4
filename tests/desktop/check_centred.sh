#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Starts the program on a virtual 1280 x 1024 screen under a real window manager (openbox),
# which gives the window a title bar and borders, and checks that the framed window stands in
# the middle of the screen, to a pixel.
#
#   check_centred.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
unset QT_QPA_PLATFORM
XDG_CONFIG_HOME=$(mktemp -d)  # the default choices, whatever this machine's user chose
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  source "$1/shown_window.sh"
  openbox >/dev/null 2>&1 &
  sleep 1
  "$0" >/dev/null 2>&1 &
  program=$!
  trap "kill $program 2>/dev/null || true" EXIT
  window=$(shown_window Virenast) || { echo "no window"; exit 1; }
  sleep 1.5  # the frame comes, then the window is centred again with it
  info=$(xwininfo -id "$window")
  x=$(sed -n "s/.*Absolute upper-left X: *//p" <<<"$info")
  y=$(sed -n "s/.*Absolute upper-left Y: *//p" <<<"$info")
  width=$(sed -n "s/^ *Width: *//p" <<<"$info")
  height=$(sed -n "s/^ *Height: *//p" <<<"$info")
  read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed "s/.*= //; s/,//g")
  centre_x=$(( (2 * (x - left) + width + left + right) / 2 ))
  centre_y=$(( (2 * (y - top) + height + top + bottom) / 2 ))
  echo "window $width x $height at $x,$y; frame $left,$right,$top,$bottom; frame centre $centre_x,$centre_y"
  (( top > 0 )) || { echo "the window manager drew no title bar"; exit 1; }
  (( centre_x >= 639 && centre_x <= 641 && centre_y >= 511 && centre_y <= 513 )) || { echo "not centred on 640,512"; exit 1; }
  echo "centred with its frame"
' "$1" "$here"
