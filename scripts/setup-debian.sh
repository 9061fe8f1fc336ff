#!/bin/sh
# Installs everything the build and the tests need on a fresh Debian 12 machine (as root):
# mingw-w64 (posix threads) for i686 always, and for x86_64 too on a machine that runs no 32-bit
# code; the Wine of the architecture that runs here (32-bit Wine with the i386 architecture, or
# wine64); Xvfb, the IPA Gothic font, Wine's fonts (for the Marlett caption buttons), ImageMagick
# and xdotool for screenshots and real input, GoogleTest's sources, the host g++ (the pure logic's
# native tests and fuzzing), CUPS with the cups-pdf printer and poppler's tools (the printing tests
# print to a PDF printer and read its pages), and the ja_JP.UTF-8 locale.
# usage: scripts/setup-debian.sh [i686|x86_64]   (default: what scripts/arch.sh finds)
set -eu
. "$(dirname "$0")/arch.sh"
arch=${1:-$(mox_arch)}
need=""
pkgs="g++-mingw-w64-i686-posix xvfb xauth fonts-ipafont-gothic imagemagick xdotool googletest
  cmake ninja-build locales g++ fonts-wine cups printer-driver-cups-pdf poppler-utils"
if [ "$arch" = i686 ]; then
  pkgs="$pkgs wine wine32:i386"
  dpkg -s wine32:i386 >/dev/null 2>&1 || need=1
else
  pkgs="$pkgs g++-mingw-w64-x86-64-posix wine wine64"
  command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 || need=1
  [ -x /usr/lib/wine/wine64 ] || need=1
fi
command -v i686-w64-mingw32-g++-posix >/dev/null 2>&1 || need=1
for p in g++ fonts-wine xvfb xauth fonts-ipafont-gothic imagemagick xdotool googletest cmake ninja-build locales \
  cups printer-driver-cups-pdf poppler-utils; do
  dpkg -s "$p" >/dev/null 2>&1 || need=1
done
if [ -n "$need" ]; then
  export DEBIAN_FRONTEND=noninteractive
  [ "$arch" = i686 ] && dpkg --add-architecture i386
  apt-get update -qq
  # shellcheck disable=SC2086
  apt-get install -y -qq --no-install-recommends $pkgs >/dev/null
fi
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
