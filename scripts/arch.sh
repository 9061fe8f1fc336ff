# Sourced by the scripts: decides which Windows build this machine can run, and sets up Wine for it.
#
# The office client is the 32-bit (i686) mox.exe. Some machines run 64-bit user code only: no
# 32-bit Linux program starts there, so 32-bit Wine cannot either. On those the programs are built
# for x86_64 and run by wine64; the 32-bit client is still compiled there, only not run.
#
#   mox_arch            prints i686 or x86_64 (MOX_ARCH=i686|x86_64 overrides the probe)
#   mox_arch_reason     one line saying why
#   mox_wine_env BUILD  exports WINEPREFIX, WINEARCH, the loader, and puts BUILD/winebin (wine,
#                       wineboot, wineserver wrappers of the build's architecture) first in PATH

mox_probe32() {
  # The 32-bit Wine loader, when it is installed: only its own answer proves it ran (a Windows
  # program's exit status proves nothing, wine64 returns 0 for a 32-bit exe it never started).
  if [ -x /usr/lib/wine/wine ]; then
    case "$(/usr/lib/wine/wine --version 2>/dev/null)" in
      wine-*) return 0 ;;
      *) return 1 ;;
    esac
  fi
  # Before Wine is installed: a 96-byte static i386 program that only exits with status 42.
  local probe status
  probe=$(mktemp /tmp/mox-probe32.XXXXXX)
  printf '\177\105\114\106\001\001\001\000\000\000\000\000\000\000\000\000\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010\140\000\000\000\140\000\000\000\005\000\000\000\000\020\000\000\273\052\000\000\000\270\001\000\000\000\315\200' >"$probe"
  chmod +x "$probe"
  status=0
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  [ "$status" -eq 42 ]
}

mox_arch() {
  case "${MOX_ARCH:-}" in
    i686|x86_64) echo "$MOX_ARCH"; return 0 ;;
    "") ;;
    *) echo "MOX_ARCH must be i686 or x86_64, not '$MOX_ARCH'" >&2; return 2 ;;
  esac
  if mox_probe32; then echo i686; else echo x86_64; fi
}

mox_arch_reason() {
  local arch=$1
  if [ -n "${MOX_ARCH:-}" ]; then
    echo "the $arch build: MOX_ARCH chose it"
  elif [ "$arch" = i686 ]; then
    echo "the i686 build: this machine runs 32-bit code"
  else
    echo "the x86_64 build: this machine runs no 32-bit code"
  fi
}

# The build folder keeps the architecture it was made for; a folder of the other one is refused
# rather than mixing 32- and 64-bit objects.
mox_check_build_arch() {
  local build=$1 arch=$2 have
  if [ -f "$build/.mox-arch" ]; then
    have=$(cat "$build/.mox-arch")
    if [ "$have" != "$arch" ]; then
      echo "$build holds the $have build, not $arch: remove it or name another build folder" >&2
      return 1
    fi
  elif [ -f "$build/CMakeCache.txt" ]; then
    echo "$build holds a build of unknown architecture: remove it or name another build folder" >&2
    return 1
  fi
}

mox_wine_env() {
  local build=$1 arch
  arch=$(cat "$build/.mox-arch" 2>/dev/null || mox_arch)
  export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all LANG=ja_JP.UTF-8
  if [ "$arch" = i686 ]; then
    export WINEARCH=win32 MOX_WINE_LOADER=/usr/lib/wine/wine MOX_WINESERVER=/usr/lib/wine/wineserver32
  else
    export WINEARCH=win64 MOX_WINE_LOADER=/usr/lib/wine/wine64 MOX_WINESERVER=/usr/lib/wine/wineserver64
  fi
  [ -x "$MOX_WINESERVER" ] || MOX_WINESERVER=/usr/bin/wineserver
  # Wrappers, not symlinks: the loader finds its libraries only under its own name.
  mkdir -p "$build/winebin"
  printf '#!/bin/sh\nexec %s "$@"\n' "$MOX_WINE_LOADER" >"$build/winebin/wine"
  printf '#!/bin/sh\nexec %s wineboot.exe "$@"\n' "$MOX_WINE_LOADER" >"$build/winebin/wineboot"
  printf '#!/bin/sh\nexec %s "$@"\n' "$MOX_WINESERVER" >"$build/winebin/wineserver"
  chmod +x "$build/winebin/wine" "$build/winebin/wineboot" "$build/winebin/wineserver"
  export WINELOADER="$MOX_WINE_LOADER" WINESERVER="$MOX_WINESERVER"
  case ":$PATH:" in
    *":$build/winebin:"*) ;;
    *) export PATH="$build/winebin:$PATH" ;;
  esac
}
