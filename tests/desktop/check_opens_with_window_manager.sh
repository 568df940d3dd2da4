#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Starts a window manager (openbox) and the program in the same instant on a fresh virtual
# screen, as a kiosk session does at login, several times over. Each time the window must come
# on screen within a few seconds, framed by the window manager, and then stand centred with
# its frame.
#
# While it waits, the check only reads the screen's state: anything that reaches the window
# manager (a pointer move, a property set on the root window) would wake it up, and would hide
# a window that stays unshown until something else happens.
#
#   check_opens_with_window_manager.sh PROGRAM [TRIES] [NAME]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1
tries=${2:-6}
name=${3:-Virenast}
unset QT_QPA_PLATFORM
XDG_CONFIG_HOME=$(mktemp -d)  # the default choices, whatever this machine's user chose
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
shown=0
for try in $(seq "$tries"); do
  # Without -noreset the server starts afresh each time its last client leaves, and a client
  # that connects at that moment is refused: the probes below come and go from the start.
  if xvfb-run -a -s "-noreset -screen 0 1280x1024x24" bash -c '
    source "$2/shown_window.sh"
    openbox >/dev/null 2>&1 &
    manager=$!
    "$0" >/dev/null 2>&1 &
    program=$!
    trap "kill $program $manager 2>/dev/null || true" EXIT
    started=$(date +%s%N)
    window=$(shown_window "$1" 100 0.05) || true
    if [ -z "$window" ]; then
      kill -0 "$program" 2>/dev/null || { echo "the program ended"; exit 1; }
      states=$(for id in $(xdotool search --name "^$1\$" 2>/dev/null); do
                 xwininfo -id "$id" | sed -n "s/.*Map State: //p"; done | sort | uniq -c | tr -s " \n" " ")
      echo "not on screen after 5 s (map states of its windows:$states)"
      exit 1
    fi
    shown_after=$(( ($(date +%s%N) - started) / 1000000 ))
    kill -0 "$manager" 2>/dev/null || { echo "openbox did not start"; exit 1; }
    # Framed, then centred again with its frame.
    for _ in $(seq 30); do
      sleep 0.1
      read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed "s/.*= //; s/,//g; s/.*not found.*/0 0 0 0/")
      info=$(xwininfo -id "$window")
      x=$(sed -n "s/.*Absolute upper-left X: *//p" <<<"$info")
      y=$(sed -n "s/.*Absolute upper-left Y: *//p" <<<"$info")
      width=$(sed -n "s/^ *Width: *//p" <<<"$info")
      height=$(sed -n "s/^ *Height: *//p" <<<"$info")
      centre_x=$(( (2 * (x - left) + width + left + right) / 2 ))
      centre_y=$(( (2 * (y - top) + height + top + bottom) / 2 ))
      (( top > 0 && centre_x >= 639 && centre_x <= 641 && centre_y >= 511 && centre_y <= 513 )) && break
    done
    echo "on screen after $shown_after ms; frame $left,$right,$top,$bottom; frame centre $centre_x,$centre_y"
    (( top > 0 )) || { echo "the window manager drew no title bar"; exit 1; }
    (( centre_x >= 639 && centre_x <= 641 && centre_y >= 511 && centre_y <= 513 )) || { echo "not centred on 640,512"; exit 1; }
  ' "$program" "$name" "$here" 2>&1 | sed "s/^/try $try: /"; then
    shown=$((shown + 1))
  fi
done
echo "the window came on screen, framed and centred, in $shown of $tries tries"
(( shown == tries ))
