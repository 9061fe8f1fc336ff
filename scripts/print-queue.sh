#!/bin/sh
# Makes the virtual PDF printer that the printing tests print to for real: starts CUPS when it
# is not running (machines without an init system, CI), adds the queue MoxPDF (cups-pdf, which
# writes every job as a PDF named after its title into the folder below) and makes it the default
# printer, which Wine then offers first. Safe to run again; gives up after ten seconds instead of
# waiting on a scheduler that does not come up. Needs root and the packages of setup-debian.sh.
# usage: scripts/print-queue.sh          prints the folder the PDFs go to
set -eu
export LANG=C LC_ALL=C
queue=MoxPDF
out=/var/spool/cups-pdf/mitoka
conf=/etc/cups/cups-pdf-mitoka.conf
# Every call to the scheduler is bounded: a scheduler that hangs fails this script, not the run.
t() { timeout 20 "$@"; }
running() { t lpstat -r 2>/dev/null | grep -qx 'scheduler is running'; }
if ! running; then
  t cupsd </dev/null >/dev/null 2>&1
  i=0
  until running; do
    i=$((i + 1))
    if [ "$i" -gt 100 ]; then echo "print-queue: CUPS did not start" >&2; exit 1; fi
    sleep 0.1
  done
fi
mkdir -p "$out"
# cups-pdf reads cups-pdf-NAME.conf for a queue whose device is cups-pdf:/NAME.
want="Out $out
AnonDirName $out
Label 0"
if [ ! -f "$conf" ] || [ "$(cat "$conf")" != "$want" ]; then
  printf '%s\n' "$want" >"$conf"
fi
if ! t lpstat -v "$queue" 2>/dev/null | grep -q 'cups-pdf:/mitoka'; then
  t lpadmin -p "$queue" -E -v cups-pdf:/mitoka -P /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd 2>/dev/null
fi
t cupsenable "$queue"
t cupsaccept "$queue"
t lpadmin -d "$queue"
echo "$out"
