#!/usr/bin/env bash
# Starts the real program on the sample saves in a virtual X display with its own D-Bus
# session and Qt's AT-SPI bridge on, then reads it as a screen reader does
# (accessibility_check.py) with foalix-dump's roster of slot 1 to compare the table with.
# Usage: accessibility_test.sh FOALIX FOALIX-DUMP WINEPREFIX
set -euo pipefail
foalix=$1
WINEPREFIX=$(realpath "$3")
export WINEPREFIX
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# In the virtual display, whatever the caller's: Qt's offscreen platform has no bridge.
unset QT_QPA_PLATFORM
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
check=$(dirname "$0")/accessibility_check.py
# Scored by Balanced, the profile the window scores by at its first start.
"$2" "$WINEPREFIX/drive_c/Program Files/Vantrel/Galvaro/SAVEDATA" 1 --profile Balanced \
  > "$XDG_CONFIG_HOME/roster.txt"

dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -u
  "$1" & pid=$!
  status=0
  /usr/bin/python3 "$2" $pid "$3" || status=$?
  if ! kill -0 $pid 2>/dev/null; then echo "the program ended" >&2; exit 1; fi
  kill $pid
  exit $status
' _ "$foalix" "$check" "$XDG_CONFIG_HOME/roster.txt"
