#!/bin/sh
# Installs what is needed, builds everything and runs every test under Wine inside Xvfb.
# Prints CTest's summary; exits non-zero on any failure.
# The tests run the build of the architecture this machine runs (scripts/arch.sh; MOX_ARCH
# overrides it). Where that is x86_64, the shipped 32-bit mox.exe and moxctl.exe are compiled as
# well (not run), so the office client never stops building.
# usage: scripts/test.sh [BUILD_DIR]   (default: build)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/arch.sh"
arch=$(mox_arch)
echo "testing $(mox_arch_reason "$arch")"
build=${1:-$top/build}
mkdir -p "$build" && build=$(cd "$build" && pwd)
"$top/scripts/setup-debian.sh" "$arch"
MOX_ARCH=$arch "$top/scripts/build.sh" "$build"
if [ "$arch" != i686 ]; then
  echo "compiling the 32-bit client (mox.exe, moxctl.exe) in $build/client-i686"
  MOX_ARCH=i686 MOX_CMAKE_ARGS=-DMOX_BUILD_TESTS=OFF MOX_BUILD_TARGETS="mox moxctl" \
    "$top/scripts/build.sh" "$build/client-i686"
fi
"$top/scripts/wine-prefix.sh" "$build"
mox_wine_env "$build"
jobs=$(nproc 2>/dev/null || echo 2)
# wine64 fails to start about one process in several thousand when its address space is
# randomised (the tests start thousands); without randomisation none failed in 7,000 starts.
norandom=""
[ "$arch" = x86_64 ] && command -v setarch >/dev/null 2>&1 && norandom="setarch x86_64 -R"
# One Xvfb and one warm wineserver for the whole run: each test program then starts in
# a few hundredths of a second.
$norandom xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
  cd "$1"
  ctest --output-on-failure -j "$2" --timeout 900
  status=$?
  wineserver -k
  exit $status
' sh "$build" "$jobs"
