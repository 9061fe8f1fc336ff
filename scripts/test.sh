#!/bin/sh
# Installs what is needed, builds everything and runs every test under Wine inside Xvfb.
# Prints CTest's summary; exits non-zero on any failure.
# usage: scripts/test.sh [BUILD_DIR]   (default: build)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
mkdir -p "$build" && build=$(cd "$build" && pwd)
"$top/scripts/setup-debian.sh"
"$top/scripts/build.sh" "$build"
"$top/scripts/wine-prefix.sh" "$build"
export WINEPREFIX="$build/wineprefix" WINEARCH=win32 WINEDEBUG=-all LANG=ja_JP.UTF-8
jobs=$(nproc 2>/dev/null || echo 2)
# One Xvfb and one warm wineserver for the whole run: each test program then starts in
# a few hundredths of a second.
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
  cd "$1"
  ctest --output-on-failure -j "$2" --timeout 900
  status=$?
  wineserver -k
  exit $status
' sh "$build" "$jobs"
