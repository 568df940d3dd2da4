#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Starts the program on a virtual screen with its accessibility bridge on, under a French
# locale, in a D-Bus session of its own (where the AT-SPI bus starts on demand), and reads it
# with a real AT-SPI client.
#
#   check_screen_reader.sh PROGRAM READER.py
set -euo pipefail
program=$1
reader=$2
export LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
unset QT_QPA_PLATFORM
# The program starts with the default choices of its menu "Affichage", whatever the user chose.
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME=$config
dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  "$0" &
  program=$!
  status=0
  /usr/bin/python3 "$1" || status=$?
  kill "$program" 2>/dev/null || true
  exit "$status"
' "$program" "$reader"
