#!/bin/sh
# Figures of the mail store under Wine, through moxctl and its --stats tally:
#  (a) listing a received list of 10,000 records;
#  (b) one mail with a 1 MB attachment to 50 recipients, against cp of the same 50 MB;
#  (c) file operations per delivered copy, with and without an attachment.
# A measurement, not a test: it prints figures and fails only when a command fails.
# usage: scripts/bench-mail.sh [BUILD_DIR]   (default: build; built and prepared already)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
. "$top/scripts/bench-lib.sh"
wineserver -p10 2>/dev/null || true  # one warm server for the whole run
wine cmd /c exit </dev/null >/dev/null 2>&1

moxctl init
for i in $(seq 1 51); do moxctl register "user$i" >/dev/null; done
recipients=$(seq -s, 2 51)

echo "== (a) listing a received list of 10,000 records"
moxctl --user 1 send --to 2 --subject "一覧の測定" >/dev/null
list="$work/office/002/rcvlst.mox"
head -c 256 "$list" > "$work/one"
cp "$work/one" "$work/many"
for _ in $(seq 1 14); do cat "$work/many" "$work/many" > "$work/twice"; mv "$work/twice" "$work/many"; done
head -c $((10000 * 256)) "$work/many" > "$list"
start=$(now); moxctl --user 3 list received >/dev/null; end=$(now)
echo "moxctl start-up with an empty list: $(ms "$start" "$end") ms"
for run in 1 2 3; do
  start=$(now)
  moxctl --user 2 --stats list received >"$work/lines" 2>"$work/stats"
  end=$(now)
  echo "run $run: $(wc -l <"$work/lines") lines in $(ms "$start" "$end") ms, $(ops "$work/stats") file operations"
done
cat "$work/stats"

echo "== (b) one mail with a 1 MB attachment to 50 recipients"
head -c 1048576 /dev/urandom > "$work/attach.bin"
attach="Z:$(printf '%s' "$work/attach.bin" | tr / '\\')"
start=$(now)
moxctl --user 1 --stats send --to "$recipients" --subject "添付の測定" --attach "$attach::資料" \
  >/dev/null 2>"$work/stats"
end=$(now)
echo "moxctl send: $(ms "$start" "$end") ms, $(ops "$work/stats") file operations"
cat "$work/stats"
mkdir "$work/cp"
start=$(now)
for i in $(seq 1 50); do cp "$work/attach.bin" "$work/cp/$i"; done
end=$(now)
echo "cp of the same 50 MB: $(ms "$start" "$end") ms"
echo "== (c) file operations per delivered copy (50 copies)"
echo "with a 1 MB attachment: $(awk -v n="$(ops "$work/stats")" 'BEGIN { printf "%.1f", n / 50 }')"
printf 'body\r\n' > "$work/body.txt"
body="Z:$(printf '%s' "$work/body.txt" | tr / '\\')"
moxctl --user 1 --stats send --to "$recipients" --subject "本文のみ" --body-file "$body" \
  >/dev/null 2>"$work/stats"
echo "with a body, no attachment: $(awk -v n="$(ops "$work/stats")" 'BEGIN { printf "%.1f", n / 50 }')"
cat "$work/stats"
