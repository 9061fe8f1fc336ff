#!/bin/sh
# Figures of the calendar under Wine: one repaint of the month and the week view (time, store
# file operations, bytes read) with 0, 100, 1,000 and 10,000 schedule entries, and a Right key
# held across a month. Every repaint reads the schedule file afresh.
# A measurement, not a test: it prints figures and fails only when the program fails.
# usage: scripts/bench-calendar.sh [BUILD_DIR]   (default: build; built and prepared already)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
. "$top/scripts/bench-lib.sh"
office=$(winpath "$work")
xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
  wineserver -p10 2>/dev/null || true
  wine cmd /c exit </dev/null >/dev/null 2>&1
  wine '$build/bin/calendar_bench.exe' '$office'
  wineserver -k"
