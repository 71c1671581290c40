#!/usr/bin/env bash
# Starts the real program on the sample saves in a virtual X display, waits for its
# window, saves a screenshot of it and checks the program is still running.
# Usage: window_screenshot.sh FOALIX WINEPREFIX OUTPUT.png
set -euo pipefail
foalix=$1
export WINEPREFIX=$2
out=$3
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
# In the virtual display, whatever the caller's: Qt's offscreen platform shows no window.
unset QT_QPA_PLATFORM
rm -f "$out"

xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  set -u
  "$1" & pid=$!
  id=""
  for _ in $(seq 100); do
    id=$(xwininfo -root -tree | awk "/\"Foalix for RK5\"/ {print \$1; exit}")
    [ -n "$id" ] && break
    sleep 0.1
  done
  if [ -z "$id" ]; then echo "no window appeared" >&2; kill $pid; exit 1; fi
  sleep 0.5
  import -window "$id" "$2"
  if ! kill -0 $pid 2>/dev/null; then echo "the program ended" >&2; exit 1; fi
  kill $pid
' _ "$foalix" "$out"

test -s "$out"
size=$(identify -format "%wx%h" "$out")
echo "window screenshot: $out ($size)"
[ "$size" = "463x457" ] || { echo "unexpected window size $size" >&2; exit 1; }
