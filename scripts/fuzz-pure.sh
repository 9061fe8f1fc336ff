#!/bin/sh
# Builds the pure logic (cmake/pure.cmake: the store file decoders among it) for this host with
# the address and undefined behaviour sanitizers (tests/host), and feeds the decoders random and
# damaged bytes. The suite runs the same fuzzing as its test pure.decoders_fuzz.
# usage: scripts/fuzz-pure.sh OUT_DIR [ROUNDS]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:?usage: fuzz-pure.sh OUT_DIR [ROUNDS]}
rounds=${2:-20000}
mkdir -p "$out"
cmake -S "$top/tests/host" -B "$out" -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ \
  -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$out" --target decoders_fuzz >/dev/null
"$out/decoders_fuzz" "$rounds"
