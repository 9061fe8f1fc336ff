#!/bin/sh
# Builds the client, moxctl and the tests into BUILD_DIR (default: build); the programs end up
# in BUILD_DIR/bin. The architecture is the one this machine runs (scripts/arch.sh; MOX_ARCH
# overrides it); a build folder keeps the architecture it was first made for.
# Needs the packages of scripts/setup-debian.sh.
# usage: scripts/build.sh [BUILD_DIR]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/arch.sh"
build=${1:-$top/build}
arch=${MOX_BUILD_ARCH:-$(mox_arch)}
mkdir -p "$build"
mox_check_build_arch "$build" "$arch"
cmake -S "$top" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-$arch-mingw.cmake" -DCMAKE_BUILD_TYPE=Release \
  ${MOX_CMAKE_ARGS:-} >/dev/null
echo "$arch" >"$build/.mox-arch"
cmake --build "$build" ${MOX_BUILD_TARGETS:+--target $MOX_BUILD_TARGETS}
