#!/bin/sh
# Figures of messages under Wine, on an office made with moxctl (山田太郎 sends to 佐藤花子,
# whose PC runs the client with MsgCheckSec=1):
#  (a) from moxctl message to the message taken by 佐藤花子's message window (message.mox gone),
#      20 times: median and worst;
#  (b) store operations per delivered message and per take (moxctl --stats message / messages);
#  (c) the idle client with its message window open: store operations per second (its tally).
# A measurement, not a test: it prints figures and fails only when a step fails.
# usage: scripts/bench-messages.sh [BUILD_DIR] [IDLE_SECONDS]   (default: build, 30; built already)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
idle=${2:-30}
"$top/scripts/wine-prefix.sh" "$build"
. "$top/scripts/bench-lib.sh"

mkdir -p "$work/office" "$work/pc"
moxctl init
for name in 山田太郎 佐藤花子; do moxctl register "$name" >/dev/null; done

echo "== (b) store operations per delivered message and per take"
: > "$work/office/002/login.mox"
moxctl --user 1 --stats message --to 2 --text "了解" >/dev/null 2>"$work/stats"
echo "per delivered message: $(ops "$work/stats")"; cat "$work/stats"
moxctl --user 2 --stats messages >/dev/null 2>"$work/stats"
echo "per take: $(ops "$work/stats")"; cat "$work/stats"
rm -f "$work/office/002/login.mox"

printf '[Environment]\r\nVersion=0.28\r\nNetDir=%s\r\nNameNumber=2\r\nAutoLogin=1\r\n' \
  "$(winpath "$work/office")" > "$work/pc/mox.ini"
printf '[Environment]\r\nMsgCheckSec=1\r\nFortune=0\r\n' > "$work/office/002/mox.ini"
wineserver -k 2>/dev/null || true  # moxctl's server has no display

xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  set -eu
  build=$1; work=$2; idle=$3
  winpath() { printf "Z:%s" "$1" | tr / "\\\\"; }
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
  now() { date +%s%N; }
  MOX_TALLY_FILE="$(winpath "$work/idle.txt")" wine "$build/bin/mox.exe" "$(winpath "$work/pc/mox.ini")" &
  pid=$!
  for i in $(seq 1 300); do [ -f "$work/office/002/login.mox" ] && break; sleep 0.1; done
  [ -f "$work/office/002/login.mox" ] || { echo "the client did not sign in" >&2; exit 1; }
  sleep 2
  echo "== (a) moxctl message to the take by the message window (MsgCheckSec=1), 20 times"
  for n in $(seq 1 20); do
    start=$(now)
    wine "$build/bin/moxctl.exe" --netdir "$(winpath "$work/office")" --user 1 message --to 2 \
      --text "測定 $n" >/dev/null
    i=0
    while [ -f "$work/office/002/message.mox" ]; do
      i=$((i + 1)); [ $i -lt 3000 ] || { echo "message $n not taken within 30 s" >&2; exit 1; }
      sleep 0.01
    done
    echo $(( ($(now) - start) / 1000000 ))
  done > "$work/times"
  sort -n "$work/times" | awk "{ t[NR] = \$1 } END { printf \"median %d ms, worst %d ms (moxctl start included)\\n\", (t[10] + t[11]) / 2, t[NR] }"
  echo "== (c) the idle client with the message window open, $idle s"
  sleep "$idle"
  # The message window first (no question), then the main window as a user closes it.
  m=$(xdotool search --name "^ミトカ\$" | head -n 1)
  if [ -n "$m" ]; then xdotool mousemove --window "$m" 100 10 click 1; sleep 0.3; xdotool key alt+F4; sleep 0.5; fi
  w=$(xdotool search --name "^ミトカ \$" | head -n 1)
  xdotool mousemove --window "$w" 200 10 click 1; sleep 0.3; xdotool key alt+F4; sleep 0.5; xdotool key Return
  wait $pid
  cat "$work/idle.txt"
  wineserver -k
' sh "$build" "$work" "$idle"
