# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the checks under a window manager, inside their virtual screen.
#
# shown_window TITLE [TRIES] [PAUSE]: waits for a window titled exactly TITLE to be on screen,
# looking TRIES times (100 unless told), PAUSE seconds apart (0.1 unless told), and prints its
# id; prints nothing and fails if none came. It only reads the screen's state, so the wait
# itself wakes up nothing.
shown_window() {
  local title=$1 tries=${2:-100} pause=${3:-0.1} window
  for _ in $(seq "$tries"); do
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1)
    if [ -n "$window" ]; then
      echo "$window"
      return 0
    fi
    sleep "$pause"
  done
  return 1
}

# stacked_windows: the titles of the managed windows, bottom to top, as the window manager
# stacks them.
stacked_windows() {
  local window
  for window in $(xprop -root _NET_CLIENT_LIST_STACKING | sed "s/.*# //; s/,//g"); do
    printf "%s; " "$(xprop -id "$window" _NET_WM_NAME | sed "s/.*= //")"
  done
}
