// The one road by which store logic tells the user something (the "%s %d" open failure and
// the few messages that the store operations show in the middle of their work). The program
// decides where it goes: a message box captioned "ミトカ" in the client, stderr in moxctl, a
// recorder in tests. Pure logic: no windows.h.
#pragma once
#include <string>

using MessageSink = void (*)(const std::string& text);

// Sets the sink and returns the previous one. A null sink drops messages.
MessageSink SetMessageSink(MessageSink sink);

// Passes text (Shift_JIS) to the sink.
void ShowMessage(const std::string& text);

// The texts every part shows for a store or local file it cannot use.
extern const char kMsgWrongFormat[];  // "ファイルの形式が違います": its size is not whole records
extern const char kMsgReadFailed[];   // "ファイルの入力に失敗しました": a read failed
