#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Opens each message box of the program under a real window manager, openbox, as a user would
# (Pause, A propos, then a run with a bad value: Erreur, and the end of the run), and checks
# that each is a dialog that can be closed and not maximised, that asks for no minimise nor
# maximise button, and whose title bar shows its whole title. The check gives openbox a title
# font of its own choosing (DejaVu Sans Bold, 12 points, 16 pixels at 96 dots per inch) and
# measures the title in that font apart from openbox (box_title_fits.py). With the Pause box
# open, it also checks that a click on the main window's menu opens nothing, and that a box
# minimised through the window manager comes back at once with the main window.
#
#   check_message_boxes.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/rc.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <theme>
    <name>Clearlooks</name>
    <titleLayout>NLIMC</titleLayout>
    <font place="ActiveWindow"><name>DejaVu Sans</name><size>12</size><weight>bold</weight><slant>normal</slant></font>
    <font place="InactiveWindow"><name>DejaVu Sans</name><size>12</size><weight>bold</weight><slant>normal</slant></font>
  </theme>
</openbox_config>
XML
font_file=$(fc-match -f '%{file}' 'DejaVu Sans:bold')
unset QT_QPA_PLATFORM
export XDG_CONFIG_HOME=$work/config  # the default pace and path, whatever the user of this machine chose
xvfb-run -a -s "-noreset -dpi 96 -screen 0 1280x1024x24" bash -c '
  program=$0 here=$1 work=$2 font_file=$3
  source "$here/shown_window.sh"
  openbox --config-file "$work/rc.xml" >/dev/null 2>&1 &
  manager=$!
  sleep 1
  "$program" >/dev/null 2>&1 &
  pid=$!
  trap "kill $pid $manager 2>/dev/null || true" EXIT
  window=$(shown_window Virenast) || { echo "no window"; exit 1; }
  sleep 1.5  # framed, and centred again
  eval "$(xdotool getwindowgeometry --shell "$window")"
  menu_bar=$((HEIGHT - 688))  # the client area is 688 pixels high, below the menu bar
  click() { xdotool mousemove --window "$window" "$1" "$2" click "${@:3}" 1; }
  failures=0
  fail() { echo "  $*"; failures=$((failures + 1)); }
  viewable() { xwininfo -id "$1" | grep -q "IsViewable"; }

  # The box with this title, as openbox shows it.
  check_box() {
    local title=$1 box
    box=$(shown_window "$title" 50)
    [ -n "$box" ] || { fail "$title: the box did not appear"; return 1; }
    sleep 0.7  # framed, with its allowed actions set
    local type actions motif
    type=$(xprop -id "$box" _NET_WM_WINDOW_TYPE)
    actions=$(xprop -id "$box" _NET_WM_ALLOWED_ACTIONS | sed "s/.*= //")
    read -r flags functions decorations _ < <(xprop -id "$box" _MOTIF_WM_HINTS | sed "s/.*= //; s/,/ /g")
    echo "$title: $(xwininfo -id "$box" | sed -n "s/^ *Width: *//p") px wide; ${type#*= }; openbox allows: $actions;" \
      "Motif functions $functions, decorations $decorations"
    [[ $type == *"= _NET_WM_WINDOW_TYPE_DIALOG"* ]] || fail "not a dialog"
    [[ $actions == *_NET_WM_ACTION_CLOSE* ]] || fail "openbox does not let it be closed"
    [[ $actions != *_NET_WM_ACTION_MAXIMIZE* ]] || fail "openbox lets it be maximised"
    # Motif hints: functions close, no minimise (8) nor maximise (16) nor all (1); decorations
    # a title (8), no minimise (32) nor maximise (64) button nor all (1).
    (( (flags & 3) == 3 )) || fail "no Motif functions and decorations"
    (( (functions & 1) == 0 && (functions & 24) == 0 && (functions & 32) != 0 )) ||
      fail "it asks for a minimise or maximise function, or for no close"
    (( (decorations & 1) == 0 && (decorations & 96) == 0 && (decorations & 8) != 0 )) ||
      fail "it asks for a minimise or maximise button, or for no title bar"
    # Openbox may paint the title a moment after the frame, later still on a busy machine: look
    # again for some seconds, and from the fifth look on give the box the focus again, which has
    # openbox paint its frame anew (a cut title stays cut whatever is repainted).
    local seen= look
    for look in $(seq 20); do
      (( look < 5 )) || timeout 3 xdotool windowactivate --sync "$box" windowraise "$box" 2>/dev/null || true
      import -window root "$work/screen.png"
      seen=$("$here/box_title_fits.py" "$box" "$title" "$font_file" 16 "$work/screen.png") && break
      seen=
      sleep 0.4
    done
    if [ -n "$seen" ]; then
      echo "$seen"
    else
      "$here/box_title_fits.py" "$box" "$title" "$font_file" 16 "$work/screen.png" || true
      # What stood where the title should be, for whoever reads the log of a failed run.
      xwininfo -id "$box" | grep -E "Absolute|Width|Height|Map State" | tr -s " " | paste -sd ";"
      echo "  focused: $(xdotool getwindowfocus getwindowname 2>/dev/null); pointer: $(xdotool getmouselocation 2>/dev/null)"
      echo "  stacking, bottom to top: $(stacked_windows)"
      fail "its title is cut"
    fi
    echo "$box" >"$work/box"
  }
  close_box() { xdotool key Return; sleep 0.5; }

  click 492 $((menu_bar + 668))  # Pause
  if check_box Pause; then
    box=$(cat "$work/box")
    click 127 $((menu_bar / 2))  # A propos, after "Fichier" and "Affichage", on the menu bar of the main window
    sleep 0.7
    [ -z "$(xdotool search --onlyvisible --name "^A propos\$" 2>/dev/null)" ] ||
      fail "Pause: a click on the main window opened the About box"
    xdotool windowminimize "$box"
    sleep 1.5
    if viewable "$box" && viewable "$window"; then
      echo "Pause: minimised through openbox, it came back with the main window"
    else
      fail "Pause: minimised through openbox, it stayed off screen (and the main window too: $(viewable "$window" && echo shown || echo hidden))"
      xdotool windowmap "$window"; xdotool windowmap "$box"; sleep 0.5
    fi
    xdotool windowactivate --sync "$box" 2>/dev/null || true
    close_box
  fi
  click 127 $((menu_bar / 2))  # A propos, after "Fichier" and "Affichage"
  check_box "A propos" && close_box
  click 736 $((menu_bar + 641)) --repeat 3  # Text1: a bad value
  xdotool type "abc"
  click 492 $((menu_bar + 632))  # Lancer le calcul
  check_box Erreur && close_box
  check_box Information && close_box
  kill -0 "$pid" 2>/dev/null || fail "the program ended"
  echo "$failures fault(s)"
  (( failures == 0 ))
' "$1" "$here" "$work" "$font_file"
