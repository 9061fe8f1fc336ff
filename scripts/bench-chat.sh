#!/bin/sh
# Figures of the chat room under Wine:
#  (a) store operations of one idle poll (log and member list, nothing changed): an idle member
#      makes that many per ChatCheckSec seconds, beside the main window's own polls;
#  (b) bytes read by the poll that follows one line added to a 1 MB log;
#  (c) from a said line to two other clients' chat windows (mox.exe, ChatCheckSec=1), 20 times:
#      median and worst.
# A measurement, not a test: it prints figures and fails only when a step fails.
# usage: scripts/bench-chat.sh [BUILD_DIR]   (default: build; built already)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
"$top/scripts/wine-prefix.sh" "$build"
. "$top/scripts/arch.sh"
mox_wine_env "$build"
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  set -eu
  build=$1
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
  cd "$build/bin"
  figures() {
    wine "$1" --gtest_also_run_disabled_tests --gtest_filter="ChatBench.*" >"$build/bench-chat.log" 2>&1 ||
      { cat "$build/bench-chat.log" >&2; exit 1; }
    grep -v "^\[\|^Note\|^$\|mox-test-exit" "$build/bench-chat.log" || true
  }
  echo "== (a), (b) the store"
  figures ./chat_store_tests.exe
  echo "== (c) two clients"
  figures ./chat_window_tests.exe
  wineserver -k
' sh "$build"
