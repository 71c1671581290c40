#!/usr/bin/env bash
# Start-up against a bare Qt window with the same fonts, in a virtual X display: RUNS
# starts of each, alternating, on the sample saves; prints each form's medians in
# milliseconds (mapped, and painted) and their ratios. With HISTORY=full, Foalix starts
# with a long-time player's history (5 slots of 1,000 reads) in place of none.
# Usage: bench/startup.sh BENCH SAMPLE-WINEPREFIX [RUNS]
set -euo pipefail
bench=$(realpath "$1")
WINEPREFIX=$(realpath "$2")
runs=${3:-30}
export WINEPREFIX
XDG_CONFIG_HOME=$(mktemp -d)
XDG_DATA_HOME=$(mktemp -d)
export XDG_CONFIG_HOME XDG_DATA_HOME
trap 'rm -rf "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"' EXIT
if [ "${HISTORY:-}" = full ]; then
  mkdir -p "$XDG_DATA_HOME/foalix"
  "$bench" full-history "$XDG_DATA_HOME/foalix/history.sqlite3"
fi
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  for _ in $(seq "$2"); do
    for form in foalix bare; do echo "$form $("$1" "$form" 2>/dev/null)"; done
  done' _ "$bench" "$runs" | python3 -c '
import statistics, sys
times = {}
for line in sys.stdin:
    form, mapped, painted = line.split()
    times.setdefault(form, []).append((float(mapped), float(painted)))
for i, what in enumerate(("mapped", "painted")):
    foalix, bare = (statistics.median(t[i] for t in times[form]) for form in ("foalix", "bare"))
    runs = len(times["bare"])
    print(f"{what}: foalix {foalix:.1f} ms, bare {bare:.1f} ms, {foalix / bare:.2f}x (medians of {runs})")'
