#!/bin/sh
# Figures of the in/out board under Wine, through moxctl and its --stats tally: loading a board
# of 20 and of 100 members whose entries were written today (fresh) or before today (each then
# looks for a scheduled entry in DST), and eight boards loading at once.
# A measurement, not a test: it prints figures and fails only when a command fails.
# usage: scripts/bench-board.sh [BUILD_DIR]   (default: build; built and prepared already)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
. "$top/scripts/bench-lib.sh"
wineserver -p10 2>/dev/null || true
wine cmd /c exit </dev/null >/dev/null 2>&1

moxctl init
for i in $(seq 1 100); do moxctl register "user$i" >/dev/null; done
for i in $(seq 1 100); do moxctl --user 1 set-where "$i" --dest "会議室" --return 18:30 >/dev/null; done

for members in 20 100; do
  moxctl --user 1 members-set "$(seq -s, 1 "$members")"
  for age in fresh older; do
    if [ "$age" = older ]; then
      for i in $(seq 1 "$members"); do touch -d yesterday "$work/office/$(printf %03d "$i")/bord.mox"; done
    else
      for i in $(seq 1 "$members"); do touch "$work/office/$(printf %03d "$i")/bord.mox"; done
    fi
    for run in 1 2; do
      start=$(now)
      moxctl --user 1 --stats where >"$work/lines" 2>"$work/stats"
      end=$(now)
      echo "$members members, $age: $(($(wc -l <"$work/lines") - 1)) lines in $(ms "$start" "$end") ms, $(ops "$work/stats") file operations"
    done
  done
done
cat "$work/stats"

echo "== eight boards of 100 members (older than today) loading at once"
start=$(now)
for k in $(seq 1 8); do moxctl --utf8 --user 1 where >"$work/out$k" 2>&1 & done
wait
end=$(now)
echo "all eight: $(ms "$start" "$end") ms; lines without an entry: $(cat "$work"/out* | grep -c 行き先データがありません || true)"
