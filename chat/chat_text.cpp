#include "chat/chat_text.h"

#include "store/names.h"

std::string ChatSaidLine(const std::string& handle, const std::string& text) {
    return handle + " > " + text + "\r\n";
}

std::string ChatJoinedLine(const std::string& handle) {
    return handle + "さんが入ってきたよ～。\r\n";
}

std::string ChatLeftLine(const std::string& handle) {
    return handle + "さんが出ていっちゃたよ～。\r\n";
}

std::string StoredChatText(const std::string& plain) {
    std::string stored = plain;
    ShiftBytes(stored, 1);
    return stored;
}

std::string ShownChatText(const std::string& stored) {
    std::string shown = stored;
    ShiftBytes(shown, 255);
    // A NUL would end the text in the window; a stray one shows as a blank.
    for (char& c : shown)
        if (c == '\0') c = ' ';
    return shown;
}

std::string ChatConversationAfter(const std::string& shown, const std::string& added) {
    size_t lines = 0, cut = 0;
    for (size_t at = shown.find("\r\n"); at != std::string::npos; at = shown.find("\r\n", at + 2)) {
        ++lines;
        if (lines == kChatDroppedLines) cut = at + 2;
    }
    const bool endsInLineEnd = shown.size() >= 2 && shown.compare(shown.size() - 2, 2, "\r\n") == 0;
    if (!shown.empty() && !endsInLineEnd) ++lines;
    if (lines <= kChatKeptLines) return shown + added;
    return shown.substr(cut) + added;
}
