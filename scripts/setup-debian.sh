#!/bin/sh
# Installs everything the build and the tests need on a fresh Debian 12 machine (as root):
# the i386 architecture, mingw-w64 (posix threads), 32-bit Wine, Xvfb, the IPA Gothic font,
# Wine's fonts (for the Marlett caption buttons), ImageMagick and xdotool for screenshots and
# real input, GoogleTest's sources, the host g++ (fuzzing), and the ja_JP.UTF-8 locale.
set -eu
need=""
command -v i686-w64-mingw32-g++-posix >/dev/null 2>&1 || need=1
command -v wine >/dev/null 2>&1 || need=1
dpkg -s wine32:i386 >/dev/null 2>&1 || need=1
for p in g++ fonts-wine xvfb xauth fonts-ipafont-gothic imagemagick xdotool googletest cmake ninja-build locales; do
  dpkg -s "$p" >/dev/null 2>&1 || need=1
done
if [ -n "$need" ]; then
  export DEBIAN_FRONTEND=noninteractive
  dpkg --add-architecture i386
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends \
    g++-mingw-w64-i686-posix wine wine32:i386 xvfb xauth fonts-ipafont-gothic \
    imagemagick xdotool googletest cmake ninja-build locales g++ fonts-wine >/dev/null
fi
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
