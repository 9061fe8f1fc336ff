#include "store/message_sink.h"

const char kMsgWrongFormat[] = "ファイルの形式が違います";
const char kMsgReadFailed[] = "ファイルの入力に失敗しました";

static MessageSink g_sink = nullptr;

MessageSink SetMessageSink(MessageSink sink) {
    MessageSink old = g_sink;
    g_sink = sink;
    return old;
}

void ShowMessage(const std::string& text) {
    if (g_sink) g_sink(text);
}
