#!/bin/sh
# Opens every window and dialog built so far with the content of a small office and saves one
# PNG per window in BUILD_DIR/screenshots (the tour is tests/screens/screens_test.cpp). The
# network directory the pictures show is N:\office, a folder of the build tree.
# usage: scripts/screenshots.sh [BUILD_DIR]   (default: build)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
. "$top/scripts/arch.sh"
arch=$(mox_arch)
echo "showing $(mox_arch_reason "$arch")"
"$top/scripts/setup-debian.sh" "$arch"
MOX_ARCH=$arch "$top/scripts/build.sh" "$build" >/dev/null
"$top/scripts/wine-prefix.sh" "$build"
"$top/scripts/print-queue.sh" >/dev/null  # the printer that the print dialog offers
build=$(cd "$build" && pwd)
mox_wine_env "$build"
shots="$build/screenshots"
mkdir -p "$shots" "$build/screens-net"
rm -f "$shots"/*.png
ln -sfn "$build/screens-net" "$WINEPREFIX/dosdevices/n:"
# The folder as Wine's drive Z: names it. (winepath would start a Wine server here, outside the
# display, and every window of the tour would then fail to appear.)
export MOX_SCREENSHOTS="Z:$(printf '%s' "$shots" | tr / '\\')"
export MOX_SHOT_NETDIR='N:\office'
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
  timeout 300 wine "$1" >"$2/tour.log" 2>&1
  status=$?
  wineserver -k
  exit $status
' sh "$build/bin/screen_tour.exe" "$shots" || {
  echo "The screenshot tour failed; see $shots/tour.log" >&2
  exit 1
}
ls "$shots"/*.png
