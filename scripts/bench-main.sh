#!/bin/sh
# Figures of the running client under Wine, on an office made with moxctl (three colleagues,
# a board with a post user 1 has read) and a PC that signs in as user 1 automatically:
#  (a) start-up to the painted main window, warm, three times (the client's own count from its
#      process creation, and the time until the window shows on the display);
#  (b) the idle client at the default poll intervals for a minute: store file operations per
#      second (the client's tally, asked for with MOX_TALLY_FILE), CPU time used, working set.
# A measurement, not a test: it prints figures and fails only when a step fails.
# usage: scripts/bench-main.sh [BUILD_DIR] [IDLE_SECONDS]   (default: build, 60; built already)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
idle=${2:-60}
"$top/scripts/wine-prefix.sh" "$build"
. "$top/scripts/bench-lib.sh"

mkdir -p "$work/office" "$work/pc"
moxctl init
for name in 山田太郎 佐藤花子 鈴木一郎; do moxctl register "$name" >/dev/null; done
moxctl board-add 1 総務 >/dev/null
moxctl --user 2 post --board 1 --subject 備品の購入 >/dev/null
moxctl --user 1 read --board 1 0 >/dev/null
printf '[Environment]\r\nVersion=0.28\r\nNetDir=%s\r\nNameNumber=1\r\nAutoLogin=1\r\n' \
  "$(winpath "$work/office")" > "$work/pc/mox.ini"
wineserver -k 2>/dev/null || true  # moxctl's server has no display

xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  set -eu
  build=$1; work=$2; idle=$3
  ini="Z:$(printf "%s" "$work/pc/mox.ini" | tr / "\\\\")"
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
  now() { date +%s%N; }
  # Waits up to 30 s for the signed-in main window; prints its X window.
  await() {
    for i in $(seq 1 300); do
      w=$(xdotool search --name "^ミトカ \$" 2>/dev/null | head -n 1)
      [ -n "$w" ] && echo "$w" && return 0
      sleep 0.1
    done
    return 1
  }
  # Closes the client as a user does: the close box, then OK to the question.
  quit() {
    xdotool mousemove --window "$1" 200 10 click 1
    sleep 0.3
    xdotool key alt+F4
    sleep 0.5
    xdotool key Return
  }
  run() {  # starts the client with the tally asked for in $1
    MOX_TALLY_FILE="$(printf "Z:%s" "$1" | tr / "\\\\")" wine "$build/bin/mox.exe" "$ini" &
    pid=$!
  }
  echo "== (a) start-up to the painted main window (warm)"
  run "$work/warm.txt"; w=$(await); sleep 1; quit "$w"; wait $pid
  for n in 1 2 3; do
    start=$(now)
    run "$work/start$n.txt"
    w=$(await)
    shown=$(( ($(now) - start) / 1000000 ))
    sleep 1
    quit "$w"; wait $pid
    echo "run $n: $(head -n 1 "$work/start$n.txt") from the process creation; window on the display after $shown ms"
  done

  echo "== (b) the idle client for $idle s at the default intervals"
  run "$work/idle.txt"; w=$(await)
  sleep 2
  cpu0=$(awk "{ print \$14 + \$15 }" /proc/$pid/stat)
  sleep "$idle"
  cpu1=$(awk "{ print \$14 + \$15 }" /proc/$pid/stat)
  hz=$(getconf CLK_TCK)
  echo "CPU: $(( (cpu1 - cpu0) * 1000 / hz )) ms in $idle s"
  grep -E "^(VmRSS|VmHWM)" /proc/$pid/status | tr -s " \t" " "
  quit "$w"; wait $pid
  cat "$work/idle.txt"
  awk "/^running/ { ms = \$2 }
       /^store: opens/ && ms { for (i = 1; i <= NF; i++) if (\$i == \"attempts\") n += \$(i + 1) }
       /^store: reads/ && ms { for (i = 1; i <= NF; i++)
                                 if (\$i ~ /^(reads|writes|seeks|closes|renames)\$/) n += \$(i + 1) }
       END { printf \"idle: %d file operations in %.1f s = %.2f per second\\n\", n, ms / 1000, n * 1000 / ms }" \
    "$work/idle.txt"
  wineserver -k
' sh "$build" "$work" "$idle"
