#include "store/message_sink.h"

static MessageSink g_sink = nullptr;

MessageSink SetMessageSink(MessageSink sink) {
    MessageSink old = g_sink;
    g_sink = sink;
    return old;
}

void ShowMessage(const std::string& text) {
    if (g_sink) g_sink(text);
}
