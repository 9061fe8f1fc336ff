#!/bin/sh
# Builds the client and runs it on a demo office: a network directory made with moxctl (three
# registered colleagues and two names waiting in the import list) on drive N:, and a PC whose
# local settings sign in as 山田太郎. Without a display the client runs inside Xvfb and a
# screenshot is saved to BUILD_DIR/screenshots/demo.png once its window is up.
# usage: scripts/run-demo.sh [BUILD_DIR]   (default: build)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
"$top/scripts/setup-debian.sh"
"$top/scripts/build.sh" "$build" >/dev/null
"$top/scripts/wine-prefix.sh" "$build"
export WINEPREFIX="$build/wineprefix" WINEARCH=win32 WINEDEBUG=-all LANG=ja_JP.UTF-8

demo="$build/demo"
office="$demo/office"
if [ ! -f "$office/regist.mox" ]; then
  rm -rf "$demo"
  mkdir -p "$demo/pc1"
  ln -sfn "$office" "$WINEPREFIX/dosdevices/n:"
  moxctl() { wine "$build/bin/moxctl.exe" --utf8 --netdir 'N:\' "$@"; }
  moxctl init
  moxctl register 山田太郎 yamada >/dev/null
  moxctl register 佐藤花子 sato >/dev/null
  moxctl register 鈴木一郎 suzuki >/dev/null
  # Two bulletin boards, each with a post that 山田太郎 has not read yet.
  moxctl board-title 全社掲示板
  moxctl board-add 1 総務 >/dev/null
  moxctl --user 3 post --subject 避難訓練のお知らせ >/dev/null
  moxctl --user 2 post --board 1 --subject 備品の購入について >/dev/null
  printf '高橋次郎\r\n田中美咲\r\n' | iconv -f UTF-8 -t CP932 > "$office/regist.txt"
  printf '[Environment]\r\nVersion=0.28\r\nNetDir=N:\\\r\nNameNumber=1\r\nAutoLogin=1\r\n' \
    > "$demo/pc1/mox.ini"
fi
ln -sfn "$office" "$WINEPREFIX/dosdevices/n:"
ini=$(winepath -w "$demo/pc1/mox.ini" 2>/dev/null)
cp "$top/res/mox.bmp" "$top/res/menu.mox" "$build/bin/" 2>/dev/null || true

if [ -n "${DISPLAY:-}" ]; then
  exec wine "$build/bin/mox.exe" "$ini"
fi
mkdir -p "$build/screenshots"
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  wine "$1" "$2" &
  pid=$!
  shown=""
  for i in $(seq 1 60); do
    if xdotool search --name "ミトカ" >/dev/null 2>&1; then shown=1; break; fi
    if ! kill -0 $pid 2>/dev/null; then break; fi
    sleep 0.5
  done
  if [ -n "$shown" ]; then
    sleep 2
    /usr/bin/import -window root "$3"
    echo "The client is up; screenshot: $3"
  else
    echo "The client showed no window (it has exited or is still starting)." >&2
  fi
  wineserver -k
' sh "$build/bin/mox.exe" "$ini" "$build/screenshots/demo.png"
