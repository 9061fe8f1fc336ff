#!/bin/sh
# Prepares the Wine prefix of a build tree: of the build's architecture (32-bit, or 64-bit for
# the x86_64 build), a virtual desktop (title bars, and GUI
# programs exit at once), crashes end the process instead of hanging in a dialog, and the
# caption buttons' symbol font.
# usage: scripts/wine-prefix.sh BUILD_DIR
set -eu
build=$(cd "${1:?usage: wine-prefix.sh BUILD_DIR}" && pwd)
. "$(dirname "$0")/arch.sh"
mox_wine_env "$build"
if [ ! -f "$WINEPREFIX/system.reg" ] || [ ! -f "$WINEPREFIX/.mox-ready" ]; then
  rm -rf "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f >/dev/null 2>&1
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /d 1 /f >/dev/null 2>&1
  wineserver -w
  # The caption buttons are drawn with Marlett; without it they show letters ("r" for the close
  # box). Only this one font of Wine's is added: the dialogs keep the IPA Gothic metrics.
  if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
  touch "$WINEPREFIX/.mox-ready"
fi
