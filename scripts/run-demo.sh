#!/bin/sh
# Builds the client and runs it on a demo office: a network directory made with moxctl (three
# registered colleagues and two names waiting in the import list) on drive N:, and a shared PC
# whose client asks who is working: log in as yamada (山田太郎, no password), sato or suzuki.
# Without a display the client runs inside Xvfb, the login is typed for it, and screenshots of
# the login dialog and the signed-in main window are saved to BUILD_DIR/screenshots.
# usage: scripts/run-demo.sh [BUILD_DIR]   (default: build)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
mkdir -p "$build" && build=$(cd "$build" && pwd)
. "$top/scripts/arch.sh"
arch=$(mox_arch)
echo "running $(mox_arch_reason "$arch")"
"$top/scripts/setup-debian.sh" "$arch"
MOX_ARCH=$arch "$top/scripts/build.sh" "$build" >/dev/null
"$top/scripts/wine-prefix.sh" "$build"
mox_wine_env "$build"

demo="$build/demo"
office="$demo/office"
if [ ! -f "$office/regist.mox" ]; then
  rm -rf "$demo"
  mkdir -p "$demo/pc1" "$office"
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
fi
# A shared PC: every start asks for the login name and password.
printf '[Environment]\r\nVersion=0.28\r\nNetDir=N:\\\r\nNameNumber=0\r\nAutoLogin=0\r\n' \
  > "$demo/pc1/mox.ini"
ln -sfn "$office" "$WINEPREFIX/dosdevices/n:"
# The settings file as Wine's drive Z: names it (winepath would start a Wine server outside the
# display below).
ini="Z:$(printf '%s' "$demo/pc1/mox.ini" | tr / '\\')"
cp "$top/res/mox.bmp" "$top/res/menu.mox" "$build/bin/" 2>/dev/null || true

if [ -n "${DISPLAY:-}" ]; then
  exec wine "$build/bin/mox.exe" "$ini"
fi
mkdir -p "$build/screenshots"
# moxctl's Wine server has no display; the client needs one that runs inside Xvfb.
wineserver -k 2>/dev/null || true
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  wine "$1" "$2" &
  pid=$!
  # Waits up to 30 s for a window whose title is $1.
  await() {
    for i in $(seq 1 60); do
      found=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1)
      [ -n "$found" ] && echo "$found" && return 0
      kill -0 $pid 2>/dev/null || return 1
      sleep 0.5
    done
    return 1
  }
  if login=$(await "ミトカ　ログイン"); then
    sleep 1
    /usr/bin/import -window root "$3/demo-login.png"
    # A click into the login name field gives the dialog the keyboard (there is no window
    # manager to activate it).
    xdotool mousemove --window "$login" 150 45 click 1
    sleep 0.5
    xdotool type --delay 50 yamada
    xdotool key Return
    if await "ミトカ " >/dev/null; then
      sleep 2
      /usr/bin/import -window root "$3/demo.png"
      echo "山田太郎 signed in; screenshots: $3/demo-login.png, $3/demo.png"
    else
      echo "The client did not reach its main window after the login." >&2
    fi
  else
    echo "The client showed no login dialog (it has exited or is still starting)." >&2
  fi
  wineserver -k
' sh "$build/bin/mox.exe" "$ini" "$build/screenshots"
