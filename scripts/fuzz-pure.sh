#!/bin/sh
# Builds the store file decoders (pure logic: no windows.h) for this host with the address and
# undefined behaviour sanitizers, and feeds them random and damaged bytes.
# usage: scripts/fuzz-pure.sh OUT_DIR [ROUNDS]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:?usage: fuzz-pure.sh OUT_DIR [ROUNDS]}
rounds=${2:-20000}
mkdir -p "$out"
cd "$top"
g++ -std=c++17 -O1 -g -fsanitize=address,undefined -fno-sanitize-recover=all \
  -finput-charset=UTF-8 -fexec-charset=CP932 -I"$top" \
  tests/fuzz/decoders_fuzz.cpp \
  store/sjis.cpp store/names.cpp store/bytes.cpp \
  users/registry_record.cpp users/import_list.cpp users/password.cpp \
  store/lists/list_record.cpp store/lists/broken_time.cpp store/lists/list_view.cpp \
  mail/attachment_record.cpp mail/mail_lines.cpp \
  bbs/post_record.cpp bbs/board_title_record.cpp bbs/read_marks.cpp bbs/reader_record.cpp \
  app/settings/fortune.cpp \
  -o "$out/decoders_fuzz"
"$out/decoders_fuzz" "$rounds"
