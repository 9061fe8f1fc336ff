# Pure logic: the layouts, formatting and parsing of every subsystem, in files that include no
# windows.h and call nothing of the platform. They form one library, mox_pure: the Windows build
# links it into every program, and the host compiler builds the same list (tests/host) for the
# native unit tests and the fuzzing of the decoders. Paths are relative to the top folder; a new
# file of pure logic is added here, and nowhere else.
set(MOX_PURE_SOURCES
  store/bytes.cpp store/sjis.cpp store/names.cpp store/tally.cpp store/message_sink.cpp
  store/result.cpp store/context.cpp
  store/lists/list_record.cpp store/lists/broken_time.cpp store/lists/list_view.cpp
  users/registry_record.cpp users/import_list.cpp users/password.cpp users/signin_texts.cpp
  mail/attachment_record.cpp mail/mail_lines.cpp mail/compose_text.cpp mail/addressee.cpp
  mail/broadcast_record.cpp mail/mail_log_text.cpp
  bbs/post_record.cpp bbs/board_title_record.cpp bbs/read_marks.cpp bbs/reader_record.cpp
  memo/memo_record.cpp
  messages/message_text.cpp
  chat/chat_text.cpp
  board/whereabouts_record.cpp board/destination_text.cpp
  app/command_line.cpp app/settings/fortune.cpp
  shell/window_math.cpp shell/main_tables.cpp shell/dib_header.cpp shell/launcher_view.cpp
  shell/launcher_regions.cpp shell/menu_record.cpp shell/program_record.cpp
  print/page_layout.cpp
  tools/launcher_layout.cpp)

# mox_add_pure_library(NAME TOP): the library NAME from the list, with TOP as the top folder.
function(mox_add_pure_library name top)
  set(sources ${MOX_PURE_SOURCES})
  list(TRANSFORM sources PREPEND ${top}/)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${top})
endfunction()
