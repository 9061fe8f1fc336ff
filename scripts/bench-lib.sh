# Sourced by the benchmark scripts once top and build are set: the build's Wine environment, a
# work folder that goes on exit, and the helpers they time and count with.
. "$top/scripts/arch.sh"
mox_wine_env "$build"
work=$(mktemp -d /tmp/moxbench.XXXXXX)
trap 'rm -rf "$work"' EXIT
# A Linux path as the client and moxctl see it.
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
# moxctl on the office folder $work/office.
moxctl() { wine "$build/bin/moxctl.exe" --netdir "$(winpath "$work/office")" "$@"; }
now() { date +%s.%N; }
ms() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.0f", (b - a) * 1000 }'; }
# The file operations of a --stats tally (stderr of the command) as one number.
ops() {
  awk '/^store: opens/ { for (i = 1; i <= NF; i++) if ($i == "attempts") n += $(i + 1) }
       /^store: reads/ { for (i = 1; i <= NF; i++)
                           if ($i ~ /^(reads|writes|seeks|closes|renames)$/ || $i == "created")
                             n += $(i + 1) }
       END { print n + 0 }' "$1"
}
