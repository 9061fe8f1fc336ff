#include "messages/message_text.h"

#include <cstdio>

#include "store/names.h"

const char kMsgNoMessage[] = "メッセージがありません";
const char kMsgNotRunning[] = "相手のミトカが起動されていません";
const char kMsgPending[] = "相手のメッセージファイルにメッセージがたまっています";

std::string FormatMessageEntry(int hour, int minute, const std::string& senderName,
                               const std::string& text) {
    char head[16];
    std::snprintf(head, sizeof head, "%02d時%02d分 ", hour % 100, minute % 100);
    return head + senderName + "様からメッセージです\r\n" + text + "\r\n";
}

std::string StoredMessageEntry(const std::string& entry) {
    std::string stored = entry;
    ShiftBytes(stored, 1);
    return stored;
}

std::string ShownMessages(const std::string& stored) {
    std::string shown = stored;
    ShiftBytes(shown, 255);
    const size_t end = shown.find('\0');
    if (end != std::string::npos) shown.resize(end);
    return shown;
}

std::string NotSentText(const std::string& recipientName) {
    return recipientName + "様へ送信できませんでした";
}
