#!/bin/sh
# Builds the client, moxctl and the tests into BUILD_DIR (default: build); the programs end up
# in BUILD_DIR/bin. Needs the packages of scripts/setup-debian.sh.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
cmake -S "$top" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-i686-mingw.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build"
